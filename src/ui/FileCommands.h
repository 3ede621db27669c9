#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "config/ConfigStore.h"
#include "files/ChooseFile.h"
#include "files/ProgramOptions.h"
#include "model/WashStore.h"

class QWidget;

namespace korvanta {

// What the file commands need from the main window, which keeps the editing state, the
// current file name and the title bar.
class FileCommandsHost {
public:
    virtual ~FileCommandsHost() = default;
    virtual const std::string &CurrentFile() const = 0;
    virtual void SetCurrentFile(const std::string &path) = 0;
    // "Korvanta Planner v2.04", and "   -   " + the current file's name when there is one.
    virtual void WriteTitle() = 0;
    // Empty wash data as New leaves it (the wash data and the cycle clipboard are already
    // emptied when this is called): disable Paste, release the Supply editor's
    // compartment buttons, reset the Wash editor's speed choice, set CurrentCycleStart,
    // CurrentStep and CurrentCycle to 0 and NewCycleNumber to 1 (and its spin control), refresh
    // with code 13, then set NewCycleNumber to the lowest free number.
    virtual void ResetData() = 0;
    // After a file was read into the wash data: CurrentCycle 1 when there are cycles, else 0,
    // CurrentStep 0, NewCycleNumber the lowest free number, refresh with code 13.
    virtual void AfterLoad() = 0;
};

// What a file dialog is asked for.
struct FileDialogRequest {
    bool save = false;
    FileDialogStart start; // initial folder and file name
    QString filter;        // "Korvanta Data Files (*.kvt)"
    QString extension;     // default extension, "kvt"
    bool confirmOverwrite = true;
};

// Shows a file dialog; returns the confirmed path, or nothing when the user cancelled.
using FileDialogFunction =
    std::function<std::optional<QString>(QWidget *, const FileDialogRequest &)>;

// The platform's open or save dialog.
std::optional<QString> ShowPlatformFileDialog(QWidget *parent, const FileDialogRequest &request);

// The file commands of the main window: New, Load, Save, the unsaved-changes question that
// guards every command replacing the data, the shared file dialog routine with its remembered
// paths and backups, and the hand-over from a second start of the program.
// The main window calls these from its menu items and toolbar buttons; all objects are the
// program's own, passed by reference (ProgramOptions of the main window, ConfigStore of the
// configuration dialog, WashStore of the debug window).
class FileCommands {
public:
    FileCommands(FileCommandsHost &host, ProgramOptions &options, ConfigStore &config,
                 WashStore &wash, const KnownFolders &folders, QWidget *dialogParent);

    // The unsaved-changes question "File changed, save file?". True: go on (nothing changed,
    // the question is switched off, No, or Yes and the file was saved); false: stop.
    bool AskSaveChanges();

    void New();  // Ctrl+N
    void Load(); // Ctrl+L
    void Save(); // Ctrl+S: always through the save dialog

    // Reads a file as the start-up load does: on success it becomes the current file and both
    // snapshots are taken. Messages of a failed read are shown. Does not rewrite the title.
    bool LoadFile(const std::string &path);

    // Reads a file into the wash data and configuration, showing the reader's messages, and
    // tells the host (AfterLoad). Neither the current file nor the snapshots change, except
    // after a rejected file, which leaves empty data as New does (current file cleared, both
    // snapshots taken). For data read from a machine, which has no file and counts as changed.
    bool ReadIntoData(const std::string &path);

    // A text handed over by a second start: "newfile" runs New, a path is loaded after the
    // unsaved-changes question, an empty text only says "No file selected". While a dialog of
    // the program is open (a transfer or a print runs inside one) the text is held and carried
    // out once the window is free again; a newer text replaces a held one, also one whose
    // unsaved-changes question is already open (the question is not asked again).
    void HandOver(const QString &text);

    // The shared file dialog routine. remembered is replaced by the confirmed path. A save
    // dialog asks before replacing a file only when WarnOverwriteFiles is on; the save that
    // follows keeps the replaced file as its ".bak" backup (BackupPath). False when the user
    // cancelled.
    bool ChooseFile(bool save, std::string &remembered, const std::string &defaultFolder,
                    const std::string &extension, const std::string &description);

    // Wash data saved to path (messages shown); false when it could not be written. A save
    // chosen in the file dialog keeps the replaced file as backup.
    bool SaveFile(const std::string &path, bool keepBackup = false);

    // Empties the wash data and the cycle clipboard and resets the editing state as New does,
    // without the unsaved-changes question and without snapshots (so the cleared data counts
    // as changed). The configuration dialog calls it on a change of soap supply generation.
    void ClearData();

    // Replaces the platform dialog (tests answer it without a screen).
    void SetFileDialog(FileDialogFunction dialog) { fileDialog_ = std::move(dialog); }

private:
    bool ChooseWashdataFile(bool save);
    void TakeSnapshots();
    // New without its question: empty data, both snapshots, no current file.
    void StartNew();
    void TryPendingHandOver();
    void CarryOutHandOver(const QString &text);

    FileCommandsHost &host_;
    ProgramOptions &options_;
    ConfigStore &config_;
    WashStore &wash_;
    const KnownFolders &folders_;
    QWidget *dialogParent_;
    FileDialogFunction fileDialog_ = ShowPlatformFileDialog;
    std::optional<QString> pendingHandOver_;
    bool handingOver_ = false;
    QObject retryContext_; // ends the retries with this object
};

} // namespace korvanta
