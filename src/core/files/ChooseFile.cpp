#include "files/ChooseFile.h"

#include "files/ReplaceFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace korvanta {

namespace fs = std::filesystem;

namespace {

constexpr char kSeparator = static_cast<char>(fs::path::preferred_separator);

bool IsSeparator(char c) {
    return c == '/' || c == kSeparator;
}

bool FolderExists(const std::string &folder) {
    std::error_code error;
    return !folder.empty() && fs::is_directory(fs::path(folder), error);
}

bool FileExists(const std::string &path) {
    std::error_code error;
    return fs::is_regular_file(fs::path(path), error);
}

// The data folder, or the documents folder when the data folder does not exist.
std::string DataOrDocuments(const KnownFolders &folders) {
    return FolderExists(folders.data) ? folders.data : folders.documents;
}

std::string DefaultOrFallback(const std::string &defaultFolder, const KnownFolders &folders) {
    return FolderExists(defaultFolder) ? defaultFolder : DataOrDocuments(folders);
}

} // namespace

FileDialogStart SplitPath(const std::string &path) {
    std::size_t cut = path.size();
    while (cut > 0 && !IsSeparator(path[cut - 1]))
        --cut;
    return {path.substr(0, cut), path.substr(cut)};
}

FileDialogStart ChooseFileStart(const std::string &remembered, const std::string &defaultFolder,
                                const KnownFolders &folders) {
    FileDialogStart start = SplitPath(remembered);
    if (start.folder.empty() && !start.fileName.empty()) {
        start.folder = DefaultOrFallback(defaultFolder, folders);
        return start;
    }
    if (!FolderExists(start.folder)) {
        start = SplitPath(defaultFolder);
        if (!FolderExists(start.folder)) {
            start.fileName.clear();
            start.folder = DataOrDocuments(folders);
        }
    }
    if (!FileExists(start.folder + start.fileName))
        start.fileName.clear();
    return start;
}

std::string FileFilter(const std::string &description, const std::string &extension) {
    return description + " (*." + extension + ")";
}

std::string BackupPath(const std::string &path) {
    const FileDialogStart parts = SplitPath(path);
    const std::size_t dot = parts.fileName.rfind('.');
    const std::string stem =
        dot == std::string::npos ? parts.fileName : parts.fileName.substr(0, dot);
    return parts.folder + stem + ".bak";
}

bool MakeBackup(const std::string &path) {
    if (!FileExists(path))
        return false;
    const std::string backup = BackupPath(path);
    if (backup == path)
        return false;
    // The file itself stays where it is until the save replaces it in one step, so that a save
    // that fails never leaves the folder without it.
    std::ifstream in(fs::path(path), std::ios::binary);
    const std::vector<uint8_t> content{std::istreambuf_iterator<char>(in),
                                       std::istreambuf_iterator<char>()};
    if (!in.is_open() || in.bad())
        return false;
    return ReplaceFile(fs::path(backup), content);
}

std::string WashdataFolder(const KnownFolders &folders) {
    return folders.data + "Washdata" + kSeparator;
}

std::string SendWorkingFile(const KnownFolders &folders) {
    return folders.temp + "Tworking.kvt";
}

std::string ReceiveWorkingFile(const KnownFolders &folders) {
    return folders.temp + "Rworking.kvt";
}

} // namespace korvanta
