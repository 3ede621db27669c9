// Test helper: prints the MIME type that the shared MIME database gives each file named.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QMimeDatabase database;
    for (const QString &path : QCoreApplication::arguments().mid(1))
        std::printf("%s\n", qPrintable(database.mimeTypeForFile(path).name()));
    return 0;
}
