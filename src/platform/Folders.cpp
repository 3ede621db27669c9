#include "platform/Folders.h"

#include <QDir>
#include <QStandardPaths>

namespace korvanta {

namespace {

std::string WithSeparator(const QString &folder) {
    QString path = QDir::toNativeSeparators(folder);
    if (!path.endsWith(QDir::separator()))
        path += QDir::separator();
    return path.toStdString();
}

} // namespace

KnownFolders FindKnownFolders() {
    KnownFolders folders;
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    folders.documents = WithSeparator(documents);
    folders.data = WithSeparator(QDir(documents).filePath(QStringLiteral("Korvanta Planner")));
    folders.temp = WithSeparator(QDir::tempPath());
    return folders;
}

} // namespace korvanta
