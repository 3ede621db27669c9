#include "ui/FileCommands.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include "files/Opensavewashdata.h"
#include "platform/LocalClock.h"
#include "platform/SaverIdentity.h"
#include "ui/ProgramBox.h"
#include "ui/WaitCursor.h"

namespace korvanta {

namespace {

constexpr const char *kWashdataExtension = "kvt";
constexpr const char *kWashdataDescription = "Korvanta Data Files";
constexpr const char *kFileChangedQuestion = "File changed, save file?";
constexpr const char *kNoFileSelected = "No file selected";
constexpr const char *kNewFileHandOver = "newfile";
// The reader's text for a file that could not be opened; every other failed read was a
// rejected file, after which the data is empty as after New.
constexpr const char *kUnableToOpen = "Unable to open ";

void ShowError(QWidget *parent, const std::string &text) {
    ShowProgramBox(parent, QMessageBox::Critical, QString::fromStdString(text), QMessageBox::Ok);
}

} // namespace

std::optional<QString> ShowPlatformFileDialog(QWidget *parent, const FileDialogRequest &request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setDirectory(QString::fromStdString(request.start.folder));
    if (!request.start.fileName.empty())
        dialog.selectFile(QString::fromStdString(request.start.fileName));
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.extension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

FileCommands::FileCommands(FileCommandsHost &host, ProgramOptions &options, ConfigStore &config,
                           WashStore &wash, const KnownFolders &folders, QWidget *dialogParent)
    : host_(host), options_(options), config_(config), wash_(wash), folders_(folders),
      dialogParent_(dialogParent) {}

bool FileCommands::AskSaveChanges() {
    if (!options_.warnFileChanged)
        return true;
    if (!config_.Changed() && !wash_.Changed())
        return true;
    const auto answer = ShowProgramBox(dialogParent_, QMessageBox::Warning, kFileChangedQuestion,
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes)
        return false;
    if (!ChooseWashdataFile(true) || !SaveFile(options_.lastWashdataPath, true))
        return false;
    host_.SetCurrentFile(options_.lastWashdataPath);
    TakeSnapshots();
    return true;
}

void FileCommands::New() {
    if (AskSaveChanges())
        StartNew();
}

void FileCommands::StartNew() {
    ClearData();
    TakeSnapshots();
    host_.SetCurrentFile({});
    host_.WriteTitle();
}

void FileCommands::Load() {
    if (!AskSaveChanges())
        return;
    if (ChooseWashdataFile(false)) {
        const std::string path = options_.lastWashdataPath;
        host_.SetCurrentFile(ReadIntoData(path) ? path : std::string());
        TakeSnapshots();
    }
    host_.WriteTitle();
}

void FileCommands::Save() {
    if (!ChooseWashdataFile(true)) {
        host_.WriteTitle();
        return;
    }
    if (!SaveFile(options_.lastWashdataPath, true))
        return;
    host_.SetCurrentFile(options_.lastWashdataPath);
    TakeSnapshots();
    host_.WriteTitle();
}

bool FileCommands::LoadFile(const std::string &path) {
    if (!ReadIntoData(path))
        return false;
    host_.SetCurrentFile(path);
    TakeSnapshots();
    return true;
}

void FileCommands::HandOver(const QString &text) {
    pendingHandOver_ = text;
    TryPendingHandOver();
}

void FileCommands::TryPendingHandOver() {
    if (!pendingHandOver_)
        return;
    constexpr int kRetryMs = 200;
    if (handingOver_ || QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        QTimer::singleShot(kRetryMs, &retryContext_, [this] { TryPendingHandOver(); });
        return;
    }
    const QString text = *pendingHandOver_;
    pendingHandOver_.reset();
    handingOver_ = true;
    CarryOutHandOver(text);
    handingOver_ = false;
}

void FileCommands::CarryOutHandOver(const QString &text) {
    if (QWidget *window = dialogParent_ ? dialogParent_->window() : nullptr) {
        window->raise();
        window->activateWindow();
    }
    // The question is asked once, about the data as it is. A newer hand-over that arrives while
    // it (or the save dialog of its Yes) is open is held meanwhile and takes this one's place:
    // only the newest file is loaded, and a Cancel keeps the data against both.
    const bool goOn = AskSaveChanges();
    QString newest = text;
    if (pendingHandOver_) {
        newest = *pendingHandOver_;
        pendingHandOver_.reset();
    }
    if (goOn) {
        if (newest == QLatin1String(kNewFileHandOver))
            StartNew();
        else if (newest.isEmpty())
            ShowProgramBox(dialogParent_, QMessageBox::Warning, kNoFileSelected, QMessageBox::Ok);
        else
            LoadFile(newest.toStdString());
    }
    host_.WriteTitle();
}

bool FileCommands::ChooseFile(bool save, std::string &remembered, const std::string &defaultFolder,
                              const std::string &extension, const std::string &description) {
    FileDialogRequest request;
    request.save = save;
    // A save with nothing remembered yet starts beside the file being edited, not wherever the
    // program happened to be started.
    std::string startFrom = remembered;
    const QFileInfo current(QString::fromStdString(host_.CurrentFile()));
    // Its name is offered only for a file of the same kind: a report must not propose to
    // overwrite the wash data file.
    if (save && startFrom.empty() && !host_.CurrentFile().empty() && current.isFile())
        startFrom =
            current.suffix().compare(QString::fromStdString(extension), Qt::CaseInsensitive) == 0
                ? current.absoluteFilePath().toStdString()
                : (current.absolutePath() + QLatin1Char('/')).toStdString();
    request.start = ChooseFileStart(startFrom, defaultFolder, folders_);
    request.filter = QString::fromStdString(FileFilter(description, extension));
    request.extension = QString::fromStdString(extension);
    request.confirmOverwrite = options_.warnOverwriteFiles;
    const std::optional<QString> chosen = fileDialog_(dialogParent_, request);
    if (!chosen || chosen->isEmpty())
        return false;
    remembered = chosen->toStdString();
    return true;
}

bool FileCommands::SaveFile(const std::string &path, bool keepBackup) {
    const SaveContext context{CurrentLocalDateTime(), CurrentSaverNames()};
    SaveResult result;
    {
        WaitCursor wait;
        result = SaveWashData(path, wash_.data, config_.config, context,
                              keepBackup ? BackupPath(path) : std::string());
    }
    if (!result.ok && result.message)
        ShowError(dialogParent_, result.message->text);
    return result.ok;
}

bool FileCommands::ChooseWashdataFile(bool save) {
    return ChooseFile(save, options_.lastWashdataPath, WashdataFolder(folders_), kWashdataExtension,
                      kWashdataDescription);
}

bool FileCommands::ReadIntoData(const std::string &path) {
    LoadResult result;
    {
        WaitCursor wait;
        result = LoadWashData(path, wash_.data, config_.config);
    }
    if (result.message)
        ShowError(dialogParent_, result.message->text);
    const bool rejected =
        !result.ok && !(result.message && result.message->text.rfind(kUnableToOpen, 0) == 0);
    if (rejected) {
        // The reader left empty wash data: the rest of the program follows as after New.
        ClearData();
        TakeSnapshots();
        host_.SetCurrentFile({});
        return false;
    }
    host_.AfterLoad();
    return result.ok;
}

void FileCommands::TakeSnapshots() {
    wash_.TakeSnapshot();
    config_.TakeSnapshot();
}

void FileCommands::ClearData() {
    {
        WaitCursor wait;
        wash_.data.Clear();
        wash_.clipboard.clear();
    }
    host_.ResetData();
}

} // namespace korvanta
