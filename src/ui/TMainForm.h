#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "config/ConfigStore.h"
#include "files/ChooseFile.h"
#include "files/ProgramOptions.h"
#include "model/EditSession.h"
#include "ui/FileCommands.h"
#include "ui/MainFormActions.h"
#include "ui/MainFormPanels.h"
#include "ui/steps/EditorHost.h"

class QAction;
class QDialog;
class QLabel;

namespace korvanta {

class OptionsStore;
class SerialPort;
class StepEditor;
class TConfigForm;
class TDebugForm;
class TOptionsForm;
class TProfileForm;

// The main window: the cycle list, the step list of the current cycle and the editor of the
// current step, with the menus and toolbar that lead to the rest of the program. Widgets stay
// thin: every cycle and step command is an EditSession operation; the window shows its message
// and refreshes as the operation says.
class TMainForm : public QMainWindow, public EditorHost, public FileCommandsHost {
    Q_OBJECT
public:
    // The debug window object owns the wash data; the configuration store belongs to the
    // configuration dialog object. optionsStore may be null (options then keep their defaults
    // and are not written).
    TMainForm(TDebugForm &debug, ConfigStore &config, OptionsStore *optionsStore,
              QWidget *parent = nullptr);
    ~TMainForm() override;

    // EditorHost
    WashRecord *CurrentStepRecord() override;
    const MachineConfig &Config() const override;
    bool AdvancedMode() const override;
    // Bits: 1 rebuild the cycle list, 2 update the current cycle's row, 4 rebuild the step
    // list, 8 show and load the step editor. Every code also rewrites the status bar, the
    // cycle panel and the enabled states.
    void RefreshView(int code) override;

    EditSession &Session() { return session_; }
    WashStore &Store() { return session_.Store(); }
    ConfigStore &Configuration() { return config_; }
    ProgramOptions &Options() { return options_; }
    const KnownFolders &Folders() const { return folders_; }
    // Percent; every design distance d of the layout is d x scale / 100.
    uint8_t DisplayScale() const { return scale_; }

    FileCommands &Files() { return *files_; }
    // The "Cycle profile" window; it follows every refresh while shown.
    TProfileForm &Profile() { return *profile_; }

    // FileCommandsHost
    const std::string &CurrentFile() const override { return currentFile_; }
    void SetCurrentFile(const std::string &path) override;
    // "Korvanta Planner v2.04", and "   -   " + the current file's name when there is one.
    void WriteTitle() override;
    void ResetData() override;
    void AfterLoad() override;

    // The configuration or the options changed: the editors re-apply what depends on them and
    // the whole window is refreshed.
    void ConfigurationChanged();
    // Empties the wash data and the clipboard as New does, without question or snapshot.
    void ClearWashData();

    // The dialogs that live from start-up to exit; their commands stay disabled until given.
    void AttachConfigForm(TConfigForm &form);
    void AttachOptionsForm(TOptionsForm &form);
    // The front-panel dialog behind "Talk via front panel".
    void AttachCommForm(QDialog &form);
    // The network dialog behind "Talk via RS-485 network" (its commands are never shown).
    void AttachNetForm(QDialog &form);
    // The serial port that "Board info" asks the machine through.
    void AttachBoardInfo(SerialPort &port);

    // Re-applies the toolbar caption option and the layout (after the options change).
    void ApplyCaptionSetting();
    // Saves the options when a store was given; shows the store's error if it refused.
    void SaveOptions();
    // Shows the message a core operation asked for, then refreshes as it says.
    void RunCommand(const CommandResult &result);

signals:
    // Once, after the window was first shown, laid out and refreshed: start-up loads the file
    // named on the command line from here.
    void FirstShown();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateEditors(QWidget *central);
    void CreateStatusBar();
    void ConnectCycleCommands();
    void ConnectStepCommands();
    void ConnectWindowCommands();
    void ApplyLayout();
    void KeepMinimumOuterSize();
    void ApplyDebugShortcut();
    // Enables the menu item and toolbar button of a command whose dialog was given.
    void EnableCommand(std::initializer_list<QAction *> actions,
                       const std::function<void()> &command);

    // RefreshView steps.
    void RebuildCycleList();
    void UpdateCurrentCycleRow();
    void FillCycleRow(int row, std::size_t cycleStartIndex);
    void RebuildStepList();
    void ShowStepEditor();
    void WriteStatusSize();
    void UpdateCyclePanel();
    void UpdateEnabledStates();
    void SelectCurrentRows();
    uint32_t Estimate(std::size_t cycleStartIndex, bool isCurrentCycle);
    StepEditor *EditorFor(RecordType type) const;

    void AddStep(RecordType type);
    void ChooseMode(PlacementMode mode);
    void CycleRowChosen();
    void StepRowChosen();
    void ShowHelp();
    void ShowPrint();
    void ShowPrices();
    void ShowAbout();
    void ShowDebugScreen();
    void ShowProfile(bool shown);
    void ProfileShownOrHidden(bool shown);

    TDebugForm &debug_;
    ConfigStore &config_;
    OptionsStore *optionsStore_;
    ProgramOptions options_;
    EditSession session_;
    KnownFolders folders_;
    std::unique_ptr<FileCommands> files_;
    TProfileForm *profile_ = nullptr; // child window, owned through Qt
    std::string currentFile_;
    std::string lastPdfPath_; // the print dialog's last PDF, kept while the program runs
    std::string remark_;      // StepRemark of the current step, from the last estimate
    MainFormActions actions_;
    MainFormPanels panels_;
    std::array<StepEditor *, 8> editors_{}; // by RecordType 1..8; null while not built
    std::array<QLabel *, 3> statusPanels_{};
    uint8_t scale_ = 100;
    int refreshDepth_ = 0; // selection signals during a refresh are the window's own
    bool shownOnce_ = false;
};

} // namespace korvanta
