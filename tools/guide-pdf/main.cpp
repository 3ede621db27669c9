// Build tool: turns the Markdown user guide into the instructions PDF (A4), with the pictures
// it names.
// usage: korvanta-guide-pdf GUIDE.md OUT.pdf [PICTURES_DIR]
// A picture is looked for in PICTURES_DIR first (where the build puts the screen pictures),
// then beside the guide. A picture that is found nowhere fails the build.
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

#include "GuidePrinter.h"
#include "GuideStyle.h"

using namespace korvanta;

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3 && args.size() != 4) {
        std::fputs("usage: korvanta-guide-pdf GUIDE.md OUT.pdf [PICTURES_DIR]\n", stderr);
        return 2;
    }
    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QStringList pictureFolders;
    if (args.size() == 4)
        pictureFolders << args[3];
    pictureFolders << QFileInfo(args[1]).absolutePath();

    QPdfWriter writer(args[2]);
    writer.setTitle(QStringLiteral("Korvanta Planner Instructions"));
    writer.setCreator(QStringLiteral("Korvanta Planner"));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 18, 20, 15), QPageLayout::Millimeter));

    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
    document.setMarkdown(QString::fromUtf8(source.readAll()));
    StyleTables(document);
    UseMetricFonts(document);
    const QStringList missing = PlacePictures(document, pictureFolders, GuideTextWidth(writer));
    for (const QString &name : missing)
        std::fprintf(stderr, "picture not found: %s\n", qPrintable(name));
    if (!missing.isEmpty())
        return 1;
    if (!PrintGuide(document, writer) || !QFileInfo(args[2]).size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
