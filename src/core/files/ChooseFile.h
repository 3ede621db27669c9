#pragma once

#include <string>

namespace korvanta {

// Known folders of the file dialogs, each with a trailing path separator.
struct KnownFolders {
    std::string documents; // the user's documents folder
    std::string data;      // documents + "Korvanta Planner" + separator; never created by us
    std::string temp;      // the user's temporary folder (working files)
};

// The folder and file name a file dialog opens with.
struct FileDialogStart {
    std::string folder; // with a trailing separator
    std::string fileName;
};

// Splits a path into its folder (with the trailing separator) and its file name.
FileDialogStart SplitPath(const std::string &path);

// Where a file dialog opens, from the remembered path of its kind: the remembered folder while
// it exists, else the default folder, else the data folder, else the documents folder. The
// remembered file name is kept only while it names an existing file there.
FileDialogStart ChooseFileStart(const std::string &remembered, const std::string &defaultFolder,
                                const KnownFolders &folders);

// The filter entry of a file dialog, for example "Korvanta Data Files (*.kvt)".
std::string FileFilter(const std::string &description, const std::string &extension);

// The backup name of a file about to be replaced: its extension becomes "bak"
// (Week.kvt -> Week.bak; a name without extension gets ".bak" added).
std::string BackupPath(const std::string &path);

// Keeps the content of a file that a save is about to replace: it is copied to the backup name,
// replacing an older backup there, and the file itself is left in place for the save to replace.
// Returns false when nothing was kept (no such file, or the copy failed); callers do not report
// that. A file that is itself
// its own backup name (Week.bak) is left alone, so the old content is never deleted unsaved.
bool MakeBackup(const std::string &path);

// Default folder of the wash data file dialogs: DataFolder + "Washdata" + separator.
std::string WashdataFolder(const KnownFolders &folders);

// The working files through which the communication dialogs get and return wash data.
std::string SendWorkingFile(const KnownFolders &folders);    // "Tworking.kvt"
std::string ReceiveWorkingFile(const KnownFolders &folders); // "Rworking.kvt"

} // namespace korvanta
