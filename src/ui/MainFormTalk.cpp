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

void TalkViaFrontPanel(TMainForm &window, QDialog &dialog) {
    const std::string sent = SendWorkingFile(window.Folders());
    const std::string received = ReceiveWorkingFile(window.Folders());
    RemoveIfPresent(received);
    RemoveIfPresent(sent);
    if (!window.Files().AskSaveChanges())
        return;
    if (window.Store().data.Size() > 1)
        window.Files().SaveFile(sent);
    dialog.exec();
    if (QFile::exists(Path(received)))
        TakeReceivedCycles(window, received);
    RemoveIfPresent(sent);
    window.WriteTitle();
}

} // namespace korvanta
