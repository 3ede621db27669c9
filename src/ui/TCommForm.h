#pragma once

#include <QDialog>

#include <string>

#include "comm/FrontPanel.h"
#include "config/MachineConfig.h"
#include "files/ChooseFile.h"
#include "files/OptionsStore.h"
#include "files/ProgramOptions.h"
#include "ui/FileCommands.h"
#include "ui/WidgetCommUi.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace korvanta {

// "Communication via front connector": moves cycles, controller software, coin prices and the
// life-test setting between this computer and one machine. Created once and shown modally by
// the main window's Talk command; it keeps the last version reply and answer between showings.
// The cycles go out from the working file "Tworking.kvt" and come back in "Rworking.kvt".
class TCommForm : public QDialog {
    Q_OBJECT
public:
    TCommForm(SerialPort &port, ProgramOptions &options, OptionsStore &store,
              const KnownFolders &folders, const MachineConfig &config, QWidget *parent = nullptr);

    // Replaces the platform's file dialog (tests).
    void SetFileDialog(FileDialogFunction dialog) { fileDialog_ = std::move(dialog); }
    // The main window's display scale in percent: spacing around the gauge and OK.
    void SetDisplayScale(int percent) { scalePercent_ = percent; }
    const FrontPanelState &State() const { return state_; }
    bool TransferRunning() const { return busy_; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QGroupBox *BuildGroup(const QString &title, std::initializer_list<QWidget *> controls);
    QPushButton *AddButton(const char *name, const QString &text, void (TCommForm::*handler)());
    void BuildLayout();
    void FormActivate();
    void EnableTransfers(bool enabled);
    void RunTransfer(const std::function<bool()> &transfer, bool closeOnSuccess);
    std::string AskForFile(const FileRequest &request, std::string &remembered,
                           const std::string &defaultFolder);

    void BitBtnWriteCyclesClick();
    void BitBtnReadCyclesClick();
    void BitBtnWriteSoftClick();
    void BitBtnWritePricesClick();
    void BitBtnReadPricesClick();
    void BitBtnWriteLifeTestClick();
    void BitBtnReadLifeTestClick();

    SerialPort &port_;
    ProgramOptions &options_;
    OptionsStore &store_;
    const KnownFolders &folders_;
    const MachineConfig &config_;
    FileDialogFunction fileDialog_ = ShowPlatformFileDialog;
    int scalePercent_ = 100;

    FrontPanelState state_;
    WidgetCommUi ui_;
    FrontPanel panel_;
    bool busy_ = false;      // a transfer is running: activation must not reset anything
    bool activated_ = false; // the port was opened for this showing

    QPushButton *writeCycles_ = nullptr;
    QPushButton *readCycles_ = nullptr;
    QPushButton *writeSoft_ = nullptr;
    QPushButton *writePrices_ = nullptr;
    QPushButton *readPrices_ = nullptr;
    QPushButton *writeLifeTest_ = nullptr;
    QPushButton *readLifeTest_ = nullptr;
    QPushButton *ok_ = nullptr;
    QCheckBox *lifeTest_ = nullptr;
    QGroupBox *lifeTestGroup_ = nullptr;
    QProgressBar *gauge_ = nullptr;
    QLabel *mainPanel_ = nullptr;
    QLabel *detailPanel_ = nullptr;
};

} // namespace korvanta
