#include "ui/MainFormTalk.h"

#include <QDialog>
#include <QFile>

#include "files/ChooseFile.h"
#include "files/Opensavewashdata.h"
#include "ui/MainFormMessage.h"
#include "ui/TMainForm.h"

namespace korvanta {

namespace {

QString Path(const std::string &path) {
    return QString::fromStdString(path);
}

void RemoveIfPresent(const std::string &path) {
    if (QFile::exists(Path(path)))
        QFile::remove(Path(path));
}

// Data read from a machine: empty data as after New (its snapshot too, so the cycles read count
// as a change), then the file read as a load reads it.
void TakeReceivedCycles(TMainForm &window, const std::string &received) {
    window.ClearWashData();
    window.Store().TakeSnapshot();
    const LoadResult result =
        LoadWashData(received, window.Store().data, window.Configuration().config);
    if (result.message)
        ShowUserMessage(&window, *result.message);
    window.AfterLoad();
    RemoveIfPresent(received);
    window.SetCurrentFile({});
}

} // namespace

namespace {

// Asks about unsaved changes, then hands the data (if any) to the dialog in Tworking.kvt and
// shows it. False when the question stopped the command.
bool ShowWithSentData(TMainForm &window, QDialog &dialog) {
    if (!window.Files().AskSaveChanges())
        return false;
    if (window.Store().data.Size() > 1)
        window.Files().SaveFile(SendWorkingFile(window.Folders()));
    dialog.exec();
    return true;
}

} // namespace

void TalkViaFrontPanel(TMainForm &window, QDialog &dialog) {
    const std::string received = ReceiveWorkingFile(window.Folders());
    RemoveIfPresent(received);
    RemoveIfPresent(SendWorkingFile(window.Folders()));
    if (!ShowWithSentData(window, dialog))
        return;
    if (QFile::exists(Path(received)))
        TakeReceivedCycles(window, received);
    RemoveIfPresent(SendWorkingFile(window.Folders()));
    window.WriteTitle();
}

void TalkViaNetwork(TMainForm &window, QDialog &dialog) {
    if (!ShowWithSentData(window, dialog))
        return;
    RemoveIfPresent(SendWorkingFile(window.Folders()));
    window.WriteTitle();
}

} // namespace korvanta
