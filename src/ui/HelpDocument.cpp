#include "ui/HelpDocument.h"

#include <QDir>
#include <QFileInfo>

namespace korvanta {

const char *const kHelpDocumentName = "Korvanta Planner Instructions.pdf";

HelpDocument FindHelpDocument(const QString &dataFolder, const QString &programFolder) {
    const QString own = dataFolder + QString::fromLatin1(kHelpDocumentName);
    if (QFileInfo(own).isFile())
        return {own, true};
    const QFileInfo installed(QDir(programFolder)
                                  .filePath(QStringLiteral("../share/korvanta-planner/") +
                                            QString::fromLatin1(kHelpDocumentName)));
    if (installed.isFile())
        return {installed.canonicalFilePath(), true};
    return {own, false};
}

} // namespace korvanta
