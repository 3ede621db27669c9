#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

#include "comm/NetworkLine.h"
#include "files/ChooseFile.h"
#include "files/OptionsStore.h"
#include "files/ProgramOptions.h"
#include "ui/FileCommands.h"
#include "ui/WidgetCommUi.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace korvanta {

// "Communication via RS-485 network": lists the machines that answer at addresses 0 to 4 and
// writes the editor's cycles (the working file "Tworking.kvt") or a controller software file
// to every ticked machine in one pass. Created once at start-up and shown modally by the main
// window's hidden network command; the list and its remembered values live between showings.
// Each showing opens the port and rescans; closing the dialog closes the port.
class TNetForm : public QDialog {
    Q_OBJECT
public:
    TNetForm(SerialPort &port, ProgramOptions &options, OptionsStore &store,
             const KnownFolders &folders, QWidget *parent = nullptr);

    // Replaces the platform's file dialog (tests).
    void SetFileDialog(FileDialogFunction dialog) { fileDialog_ = std::move(dialog); }
    const NetworkState &State() const { return state_; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    class NetUi;
    void BuildLayout();
    QPushButton *AddButton(const char *name, const QString &text, void (TNetForm::*handler)());
    void FormActivate();
    void FillMachineList();
    void ShowMachineResults();
    void TakeTicks();
    void EnableWrites();
    void RunWrite(const std::function<void()> &write);
    std::string ChooseSoftwareFile();

    void BtnUpdateClick();
    void BtnWriteCyclesClick();
    void BtnWriteSoftClick();

    SerialPort &port_;
    ProgramOptions &options_;
    OptionsStore &store_;
    const KnownFolders &folders_;
    FileDialogFunction fileDialog_ = ShowPlatformFileDialog;
    std::string startFolder_; // the current folder when the program started

    NetworkState state_;
    std::unique_ptr<WidgetCommUi> ui_;
    NetworkLine line_;
    bool busy_ = false;      // a write or scan is running: activation must change nothing
    bool activated_ = false; // the port was opened for this showing

    QTreeWidget *machineList_ = nullptr;
    QPushButton *update_ = nullptr;
    QPushButton *writeCycles_ = nullptr;
    QPushButton *writeSoft_ = nullptr;
    QPushButton *ok_ = nullptr;
    QLabel *statusPanel_ = nullptr;
    QWidget *progressPanel_ = nullptr;
};

} // namespace korvanta
