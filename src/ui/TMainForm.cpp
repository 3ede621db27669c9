#include "ui/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include "estimate/Time_calc.h"
#include "files/ChooseFile.h"
#include "files/Options.h"
#include "model/DurationText.h"
#include "model/WashDataSize.h"
#include "platform/Cp1252.h"
#include "platform/Folders.h"
#include "steps/StepDescription.h"
#include "ui/HelpDocument.h"
#include "ui/MainFormGeometry.h"
#include "ui/MainFormLayout.h"
#include "ui/MainFormMessage.h"
#include "ui/MainFormStepTypes.h"
#include "ui/MainFormTalk.h"
#include "ui/TAboutForm.h"
#include "ui/TConfigForm.h"
#include "ui/TDebugForm.h"
#include "ui/TOptionsForm.h"
#include "ui/TPricesForm.h"
#include "ui/TPrintForm.h"
#include "ui/TProfileForm.h"
#include "ui/TVersionForm.h"
#include "ui/steps/StepEditor.h"
#include "ui/steps/StepEditorFactory.h"
#include "ui/steps/UpDownArrows.h"

namespace korvanta {

namespace {

constexpr const char *kTitle = "Korvanta Planner v2.04";
constexpr const char *kTitleSeparator = "   -   ";
constexpr int kMinimumWidth = 855;
constexpr int kMinimumHeight = 600;
constexpr int kAddStepDesignWidth = 65;
constexpr int kDesignDpi = 96;
constexpr int kDesignFontPoints = 8;
constexpr int kRefreshCycleList = 1;
constexpr int kRefreshCycleRow = 2;
constexpr int kRefreshStepList = 4;
constexpr int kRefreshEditor = 8;

std::size_t TypeSlot(RecordType type) {
    return static_cast<std::size_t>(type) - 1;
}

// Sets the text of a list cell, creating the cell when the row is new.
void SetCell(QTableWidget *list, int row, int column, const QString &text, bool red) {
    QTableWidgetItem *item = list->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        if (column == 2)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        list->setItem(row, column, item);
    }
    if (item->text() != text)
        item->setText(text);
    item->setForeground(red ? QBrush(Qt::red) : QBrush());
}

void EnsureRows(QTableWidget *list, int rows) {
    if (list->rowCount() < rows)
        list->setRowCount(rows);
}

// Keeps the refresh depth raised while a refresh runs, also when refreshes nest.
class RefreshScope {
public:
    explicit RefreshScope(int &depth) : depth_(depth) { ++depth_; }
    ~RefreshScope() { --depth_; }
    RefreshScope(const RefreshScope &) = delete;
    RefreshScope &operator=(const RefreshScope &) = delete;

private:
    int &depth_;
};

} // namespace

TMainForm::TMainForm(TDebugForm &debug, ConfigStore &config, OptionsStore *optionsStore,
                     QWidget *parent)
    : QMainWindow(parent), debug_(debug), config_(config), optionsStore_(optionsStore),
      session_(debug.Store()), folders_(FindKnownFolders()) {
    setObjectName(QStringLiteral("TMainForm"));
    actions_ = BuildMainFormActions(this);
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    // The columns are designed for an 8-point font.
    QFont font = central->font();
    font.setPointSize(kDesignFontPoints);
    central->setFont(font);
    setCentralWidget(central);
    panels_ = BuildMainFormPanels(central);
    files_ =
        std::make_unique<FileCommands>(*this, options_, config_, session_.Store(), folders_, this);
    CreateEditors(central);
    CreateStatusBar();
    profile_ = new TProfileForm(session_, config_.config, this);
    if (optionsStore_)
        options_ = ReadOptions(*optionsStore_);
    ApplyDebugShortcut();
    korvanta::ApplyCaptionSetting(actions_, options_.showCaption);

    // The Add Step toggle is 65 pixels wide at the design resolution; the scale follows the
    // screen's logical resolution as the toggle does.
    panels_.addStep->resize(kAddStepDesignWidth * logicalDpiX() / kDesignDpi, 25);
    scale_ = DisplayScaleFromToggleWidth(panels_.addStep->width());

    ConnectCycleCommands();
    ConnectStepCommands();
    ConnectWindowCommands();
    KeepMinimumOuterSize();
    resize(minimumSize());
    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    WriteTitle();
}

TMainForm::~TMainForm() = default;

void TMainForm::CreateEditors(QWidget *central) {
    for (const MainFormStepType &entry : kMainFormStepTypes) {
        StepEditor *editor = CreateStepEditor(entry.type, this, central);
        editors_[TypeSlot(entry.type)] = editor;
        if (editor)
            editor->hide();
    }
}

void TMainForm::CreateStatusBar() {
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    static const char *const kNames[] = {"StatusPanelHint", "StatusPanelSize", "StatusPanel3"};
    for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
        statusPanels_[i] = new QLabel(bar);
        statusPanels_[i]->setObjectName(kNames[i]);
        statusPanels_[i]->setFrameShape(QFrame::Panel);
        statusPanels_[i]->setFrameShadow(QFrame::Sunken);
        bar->addWidget(statusPanels_[i], i == 2 ? 1 : 0);
    }
    statusPanels_[1]->setText(QStringLiteral("no cycles"));
}

// --- EditorHost ---

WashRecord *TMainForm::CurrentStepRecord() {
    return session_.CurrentStepRecord();
}

const MachineConfig &TMainForm::Config() const {
    return config_.config;
}

bool TMainForm::AdvancedMode() const {
    return options_.advancedMode;
}

// --- Refresh ---

void TMainForm::RefreshView(int code) {
    if (code < 0)
        return;
    const RefreshScope scope(refreshDepth_);
    session_.BeginRefresh();
    // The current step (and so the remark of its editor) is addressed from the current cycle's
    // start: take it from the fresh table rather than from before the command.
    session_.SyncCycleStart();
    if (code & kRefreshCycleList)
        RebuildCycleList();
    else if ((code & kRefreshCycleRow) && !session_.Data().IsEmpty())
        UpdateCurrentCycleRow();
    if (code & kRefreshStepList)
        RebuildStepList();
    if (code & kRefreshEditor)
        ShowStepEditor();
    WriteStatusSize();
    session_.EndRefresh();
    UpdateCyclePanel();
    UpdateEnabledStates();
    SelectCurrentRows();
    if (debug_.isVisible())
        debug_.RefreshLists();
    profile_->Refresh(); // only while it is shown
}

uint32_t TMainForm::Estimate(std::size_t cycleStartIndex, bool isCurrentCycle) {
    std::string remark;
    const uint32_t total =
        EstimateCycle(session_.Data(), cycleStartIndex, config_.config, session_.Store().marks,
                      isCurrentCycle ? session_.CurrentStep() : 0, remark);
    if (!isCurrentCycle)
        return total;
    remark_ = remark;
    if (const WashRecord *step = session_.CurrentStepRecord())
        if (StepEditor *editor = EditorFor(step->type))
            editor->SetRemark(remark_);
    return total;
}

void TMainForm::FillCycleRow(int row, std::size_t cycleStartIndex) {
    const bool current = session_.Starts()[session_.CurrentCycle()] == cycleStartIndex;
    const uint32_t total = Estimate(cycleStartIndex, current);
    const WashRecord &start = session_.Data().At(cycleStartIndex);
    const bool red = session_.Store().marks.CycleMarked(start.Code(1));
    QTableWidget *list = panels_.cycleList;
    SetCell(list, row, 0, QString::number(start.Code(1)), red);
    SetCell(list, row, 1, FromCp1252(start.name), red);
    SetCell(list, row, 2, QString::fromStdString(DurationText(total)), red);
}

void TMainForm::RebuildCycleList() {
    QTableWidget *list = panels_.cycleList;
    const WashData &data = session_.Data();
    int row = 0;
    if (data.Size() >= 2) {
        for (std::size_t i = 0; i < data.Size(); ++i) {
            if (data.At(i).type != RecordType::CycleStart)
                continue;
            EnsureRows(list, row + 1);
            FillCycleRow(row++, i);
        }
    }
    list->setRowCount(row);
}

void TMainForm::UpdateCurrentCycleRow() {
    const int row = session_.CurrentCycle() - 1;
    if (!session_.SyncCycleStart() || row < 0)
        return;
    QTableWidget *list = panels_.cycleList;
    EnsureRows(list, row + 1);
    FillCycleRow(row, session_.CurrentCycleStart());
    list->scrollToItem(list->item(row, 0));
}

void TMainForm::RebuildStepList() {
    QTableWidget *list = panels_.stepList;
    if (!session_.SyncCycleStart()) {
        list->setRowCount(0);
        return;
    }
    const WashData &data = session_.Data();
    const WarningMarks &marks = session_.Store().marks;
    const int number = data.At(session_.CurrentCycleStart()).Code(1);
    int row = 0;
    for (std::size_t i = session_.CurrentCycleStart() + 1; i < data.Size(); ++i) {
        const WashRecord &record = data.At(i);
        if (record.type == RecordType::CycleEnd || record.type == RecordType::DataEnd)
            break;
        EnsureRows(list, row + 1);
        const bool red = marks.StepMarked(number, row + 1);
        SetCell(list, row, 0, QString::number(row + 1), red);
        SetCell(list, row, 1, FromCp1252(StepDescription(record, config_.config)), red);
        SetCell(list, row, 2,
                record.IsStep() ? QString::fromStdString(DurationText(record.time)) : QString(),
                red);
        ++row;
    }
    list->setRowCount(row);
}

void TMainForm::ShowStepEditor() {
    const bool hasCycle = session_.SyncCycleStart();
    WashRecord *step = hasCycle ? session_.CurrentStepRecord() : nullptr;
    if (hasCycle)
        Estimate(session_.CurrentCycleStart(), true);
    StepEditor *shown = step ? EditorFor(step->type) : nullptr;
    for (StepEditor *editor : editors_)
        if (editor && editor != shown)
            editor->hide();
    if (!shown)
        return;
    shown->show();
    shown->LoadStep(*step);
    shown->SetRemark(remark_);
}

void TMainForm::WriteStatusSize() {
    const WashData &data = session_.Data();
    const int cycles = data.CycleCount();
    if (cycles == 0) {
        statusPanels_[1]->setText(QStringLiteral("no cycles"));
        return;
    }
    const std::string text = std::to_string(cycles) + (cycles == 1 ? " cycle," : " cycles,") +
                             "  total size=" + std::to_string(WashDataFileSize(data)) + " bytes";
    statusPanels_[1]->setText(QString::fromStdString(text));
}

void TMainForm::UpdateCyclePanel() {
    const QString name = FromCp1252(session_.NameFieldText());
    // Only the user's typing renames; showing the current name is no change.
    if (panels_.editName->text() != name) {
        const QSignalBlocker block(panels_.editName);
        // A 17-character name from a file is shown in full; typing stays limited to 16.
        panels_.editName->setMaxLength(std::max<int>(kMaxTypedNameLength, name.size()));
        panels_.editName->setText(name);
        panels_.editName->setMaxLength(std::max<int>(kMaxTypedNameLength, name.size()));
    }
    panels_.editNumber->setText(QString::number(session_.NumberFieldValue()));
    panels_.titles[1]->setText(FromCp1252(session_.CycleHeading()));
    panels_.addCycle->setText(QString::fromStdString(session_.AddCycleCaption()));
    actions_.addCycle->setText(QString::fromStdString(session_.AddCycleMenuCaption()));
    const bool add = session_.Mode() == PlacementMode::Add;
    panels_.addStep->setChecked(add);
    panels_.insertStep->setChecked(!add);
    actions_.addMode->setChecked(add);
    actions_.insertMode->setChecked(!add);
}

void TMainForm::UpdateEnabledStates() {
    const EnabledStates on = session_.Enabled();
    const auto both = [](QWidget *widget, QAction *action, bool enabled) {
        widget->setEnabled(enabled);
        action->setEnabled(enabled);
    };
    both(panels_.deleteCycle, actions_.deleteCycle, on.deleteCycle);
    both(panels_.cut, actions_.cutCycle, on.cut);
    both(panels_.copy, actions_.copyCycle, on.copy);
    both(panels_.paste, actions_.pasteCycle, on.paste);
    both(panels_.cycleUp, actions_.cycleUp, on.cycleUp);
    both(panels_.cycleDown, actions_.cycleDown, on.cycleDown);
    panels_.editName->setEnabled(on.rename);
    panels_.nameLabel->setEnabled(on.rename);
    panels_.editNumber->setEnabled(on.renumber);
    panels_.upDownNumber->setEnabled(on.renumber);
    both(panels_.addStep, actions_.addMode, on.addMode);
    both(panels_.insertStep, actions_.insertMode, on.insertMode);
    both(panels_.deleteStep, actions_.deleteStep, on.deleteStep);
    both(panels_.stepUp, actions_.stepUp, on.stepUp);
    both(panels_.stepDown, actions_.stepDown, on.stepDown);
    for (std::size_t i = 0; i < kMainFormStepTypes.size(); ++i) {
        const bool built = EditorFor(kMainFormStepTypes[i].type) != nullptr;
        both(panels_.typeButtons[i], actions_.addType[i], on.addStep && built);
    }
}

void TMainForm::SelectCurrentRows() {
    const auto select = [](QTableWidget *list, int ordinal) {
        if (list->rowCount() == 0 || ordinal < 1 || ordinal > list->rowCount())
            return;
        list->selectRow(ordinal - 1);
        list->setCurrentCell(ordinal - 1, 0);
        list->scrollToItem(list->item(ordinal - 1, 0));
    };
    select(panels_.cycleList, session_.CurrentCycle());
    select(panels_.stepList, session_.CurrentStep());
}

StepEditor *TMainForm::EditorFor(RecordType type) const {
    if (!IsStep(type))
        return nullptr;
    return editors_[TypeSlot(type)];
}

// --- Commands ---

void TMainForm::RunCommand(const CommandResult &result) {
    if (result.message)
        ShowUserMessage(this, *result.message);
    if (result.refresh == kRefreshNone)
        return;
    if (result.busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    RefreshView(result.refresh);
    if (result.busy)
        QApplication::restoreOverrideCursor();
}

void TMainForm::ConnectCycleCommands() {
    const auto wire = [this](QAction *action, QAbstractButton *button,
                             CommandResult (EditSession::*command)()) {
        const auto run = [this, command] { RunCommand((session_.*command)()); };
        connect(action, &QAction::triggered, this, run);
        if (button)
            connect(button, &QAbstractButton::clicked, this, run);
    };
    wire(actions_.addCycle, panels_.addCycle, &EditSession::AddCycle);
    wire(actions_.deleteCycle, panels_.deleteCycle, &EditSession::DeleteCycle);
    wire(actions_.cutCycle, panels_.cut, &EditSession::CutCycle);
    wire(actions_.copyCycle, panels_.copy, &EditSession::CopyCycle);
    wire(actions_.pasteCycle, panels_.paste, &EditSession::PasteCycle);
    wire(actions_.cycleUp, panels_.cycleUp, &EditSession::MoveCycleUp);
    wire(actions_.cycleDown, panels_.cycleDown, &EditSession::MoveCycleDown);
    connect(panels_.upDownNewCycle, &UpDownArrows::Pressed, this,
            [this](bool up) { RunCommand(session_.StepNewCycleNumber(up)); });
    connect(panels_.upDownNumber, &UpDownArrows::Pressed, this,
            [this](bool up) { RunCommand(session_.RenumberCycle(up)); });
    connect(panels_.editName, &QLineEdit::textEdited, this,
            [this](const QString &text) { RunCommand(session_.RenameCycle(ToCp1252(text))); });
    connect(panels_.cycleList, &QTableWidget::itemSelectionChanged, this,
            &TMainForm::CycleRowChosen);
}

void TMainForm::ConnectStepCommands() {
    const auto wire = [this](QAction *action, QAbstractButton *button,
                             CommandResult (EditSession::*command)()) {
        const auto run = [this, command] { RunCommand((session_.*command)()); };
        connect(action, &QAction::triggered, this, run);
        connect(button, &QAbstractButton::clicked, this, run);
    };
    wire(actions_.deleteStep, panels_.deleteStep, &EditSession::DeleteStep);
    wire(actions_.stepUp, panels_.stepUp, &EditSession::MoveStepUp);
    wire(actions_.stepDown, panels_.stepDown, &EditSession::MoveStepDown);
    for (std::size_t i = 0; i < kMainFormStepTypes.size(); ++i) {
        const RecordType type = kMainFormStepTypes[i].type;
        connect(actions_.addType[i], &QAction::triggered, this, [this, type] { AddStep(type); });
        connect(panels_.typeButtons[i], &QPushButton::clicked, this,
                [this, type] { AddStep(type); });
    }
    connect(panels_.addStep, &QToolButton::clicked, this,
            [this] { ChooseMode(PlacementMode::Add); });
    connect(panels_.insertStep, &QToolButton::clicked, this,
            [this] { ChooseMode(PlacementMode::Insert); });
    connect(actions_.addMode, &QAction::triggered, this,
            [this] { ChooseMode(PlacementMode::Add); });
    connect(actions_.insertMode, &QAction::triggered, this,
            [this] { ChooseMode(PlacementMode::Insert); });
    connect(panels_.stepList, &QTableWidget::itemSelectionChanged, this, &TMainForm::StepRowChosen);
}

void TMainForm::ConnectWindowCommands() {
    connect(actions_.fileExit, &QAction::triggered, this, &QWidget::close);
    connect(actions_.tbExit, &QAction::triggered, this, &QWidget::close);
    connect(actions_.help, &QAction::triggered, this, &TMainForm::ShowHelp);
    connect(actions_.about, &QAction::triggered, this, &TMainForm::ShowAbout);
    connect(actions_.showDebug, &QAction::triggered, this, &TMainForm::ShowDebugScreen);
    const auto file = [this](QAction *menu, QAction *tool, void (FileCommands::*command)()) {
        const auto run = [this, command] { ((*files_).*command)(); };
        connect(menu, &QAction::triggered, this, run);
        connect(tool, &QAction::triggered, this, run);
    };
    file(actions_.fileNew, actions_.tbNew, &FileCommands::New);
    file(actions_.fileLoad, actions_.tbLoad, &FileCommands::Load);
    file(actions_.fileSave, actions_.tbSave, &FileCommands::Save);
    for (QAction *action : {actions_.filePrint, actions_.tbPrint})
        connect(action, &QAction::triggered, this, &TMainForm::ShowPrint);
    for (QAction *action : {actions_.prices, actions_.tbPrices})
        connect(action, &QAction::triggered, this, &TMainForm::ShowPrices);
    for (QAction *action : {actions_.cycleProfile, actions_.tbProfile})
        connect(action, &QAction::triggered, this, &TMainForm::ShowProfile);
    connect(profile_, &TProfileForm::VisibilityChanged, this, &TMainForm::ProfileShownOrHidden);
    // Dialogs that live from start-up to exit are given later; until then their commands
    // stay disabled.
    for (QAction *action : {actions_.configuration, actions_.boardInfo, actions_.talk,
                            actions_.talkNetwork, actions_.programOptions, actions_.tbConfig,
                            actions_.tbTalk, actions_.tbNetwork, actions_.tbSetup})
        action->setEnabled(false);
}

void TMainForm::AddStep(RecordType type) {
    StepEditor *editor = EditorFor(type);
    if (!editor)
        return;
    RunCommand(
        session_.AddStep(type, [editor](WashRecord &record) { editor->NewStepRecord(record); }));
}

void TMainForm::ChooseMode(PlacementMode mode) {
    session_.SetMode(mode);
    UpdateCyclePanel();
}

void TMainForm::CycleRowChosen() {
    if (refreshDepth_ > 0)
        return;
    const int row = panels_.cycleList->currentRow();
    if (row < 0 || panels_.cycleList->selectedItems().isEmpty())
        return;
    RunCommand(session_.SelectCycle(row + 1));
}

void TMainForm::StepRowChosen() {
    if (refreshDepth_ > 0)
        return;
    const int row = panels_.stepList->currentRow();
    if (row < 0 || panels_.stepList->selectedItems().isEmpty())
        return;
    RunCommand(session_.SelectStep(row + 1));
}

void TMainForm::ShowHelp() {
    const HelpDocument help = FindHelpDocument(QString::fromStdString(folders_.data),
                                               QCoreApplication::applicationDirPath());
    if (help.exists) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(help.path));
        return;
    }
    // The path is shown as the system gives it, whatever its characters.
    QMessageBox::warning(this, QStringLiteral("Warning"),
                         QStringLiteral("The help file: ") + help.path +
                             QStringLiteral(" does not exist!"));
}

void TMainForm::ShowPrint() {
    TPrintForm::Inputs inputs;
    inputs.currentFile = currentFile_;
    inputs.selectedRow = session_.CurrentCycle() - 1;
    inputs.chooseFile = [this](std::string &remembered) {
        return files_->ChooseFile(true, remembered, "", "txt", "Text Files");
    };
    inputs.choosePdf = [this](std::string &path) {
        // Remembered for this session only: the text report keeps "LastPrintDir" to itself.
        if (!files_->ChooseFile(true, lastPdfPath_, "", "pdf", "PDF Files"))
            return false;
        path = lastPdfPath_;
        return true;
    };
    inputs.saveOptions = [this] { SaveOptions(); };
    TPrintForm print(Store(), config_.config, options_, std::move(inputs), this);
    print.exec();
}

void TMainForm::ShowPrices() {
    TPricesForm prices(options_, optionsStore_, *files_, this);
    prices.exec();
}

void TMainForm::ShowAbout() {
    TAboutForm about(this);
    about.exec();
}

void TMainForm::ShowDebugScreen() {
    debug_.show();
    debug_.raise();
    debug_.activateWindow();
}

// --- Title, options, layout ---

void TMainForm::ShowProfile(bool shown) {
    profile_->setVisible(shown);
    if (shown)
        profile_->raise();
}

void TMainForm::ProfileShownOrHidden(bool shown) {
    actions_.cycleProfile->setChecked(shown);
    actions_.tbProfile->setChecked(shown);
    // While the main window closes its child windows go too; what counts is how it was left.
    if (isVisible())
        options_.profileOpen = shown;
}

void TMainForm::SetCurrentFile(const std::string &path) {
    currentFile_ = path;
}

void TMainForm::ResetData() {
    for (StepEditor *editor : editors_)
        if (editor)
            editor->DataCleared();
    session_.ResetAfterNew();
    RefreshView(13);
}

void TMainForm::AfterLoad() {
    session_.ResetAfterLoad();
    RefreshView(13);
}

void TMainForm::ClearWashData() {
    Store().data.Clear();
    Store().clipboard.clear();
    ResetData();
}

void TMainForm::AttachConfigForm(TConfigForm &form) {
    form.SetClearWashData([this] { ClearWashData(); });
    EnableCommand({actions_.configuration, actions_.tbConfig}, [this, &form] {
        form.exec();
        ConfigurationChanged();
    });
}

void TMainForm::AttachOptionsForm(TOptionsForm &form) {
    // OK takes the dialog's options, Cancel reads them back: either way they apply anew.
    connect(&form, &TOptionsForm::OptionsApplied, this, [this] {
        ApplyDebugShortcut();
        ApplyCaptionSetting();
    });
    EnableCommand({actions_.programOptions, actions_.tbSetup}, [this, &form] {
        form.exec();
        ConfigurationChanged();
    });
}

void TMainForm::AttachCommForm(QDialog &form) {
    EnableCommand({actions_.talk, actions_.tbTalk},
                  [this, &form] { TalkViaFrontPanel(*this, form); });
}

void TMainForm::AttachNetForm(QDialog &form) {
    EnableCommand({actions_.talkNetwork, actions_.tbNetwork},
                  [this, &form] { TalkViaNetwork(*this, form); });
}

void TMainForm::AttachBoardInfo(SerialPort &port) {
    EnableCommand({actions_.boardInfo}, [this, &port] {
        TVersionForm board(port, options_.portName, this);
        board.exec();
    });
}

void TMainForm::EnableCommand(std::initializer_list<QAction *> actions,
                              const std::function<void()> &command) {
    for (QAction *action : actions) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, command);
    }
}

void TMainForm::ConfigurationChanged() {
    for (StepEditor *editor : editors_)
        if (editor)
            editor->ConfigChanged();
    RefreshView(13);
}

void TMainForm::WriteTitle() {
    QString title = QString::fromLatin1(kTitle);
    if (!currentFile_.empty())
        title += QString::fromLatin1(kTitleSeparator) +
                 QFileInfo(QString::fromStdString(currentFile_)).fileName();
    setWindowTitle(title);
    // File commands end here; a snapshot they took shows in the debug window's saved list.
    if (debug_.isVisible())
        debug_.RefreshLists();
}

void TMainForm::ApplyCaptionSetting() {
    korvanta::ApplyCaptionSetting(actions_, options_.showCaption);
    layout()->activate(); // the band's new height moves the client area now, not later
    ApplyLayout();
}

// A debug number other than the access code moves the debug screen onto the Space key.
void TMainForm::ApplyDebugShortcut() {
    actions_.showDebug->setShortcut(options_.debugShortcutIsSpace
                                        ? QKeySequence(Qt::Key_Space)
                                        : QKeySequence(QStringLiteral("Ctrl+Alt+D")));
}

void TMainForm::SaveOptions() {
    if (!optionsStore_)
        return;
    const SaveOptionsResult saved = korvanta::SaveOptions(*optionsStore_, options_);
    if (!saved.ok)
        ShowUserMessage(this,
                        UserMessage{saved.message, MessageIcon::Error, MessageButtons::Ok, {}});
}

// The limit holds for the outer size, frame included.
void TMainForm::KeepMinimumOuterSize() {
    const QSize frame = frameGeometry().size() - size();
    setMinimumSize(kMinimumWidth * scale_ / 100 - frame.width(),
                   kMinimumHeight * scale_ / 100 - frame.height());
}

void TMainForm::ApplyLayout() {
    const QRect outer = frameGeometry();
    MainFormFrame frame;
    frame.band = actions_.toolBar->height();
    frame.bandRight = actions_.toolBar->geometry().right() + 1;
    frame.statusTop = frame.band + centralWidget()->height();
    const MainFormGeometry geometry =
        ComputeMainFormGeometry(outer.width(), outer.height(), frame.band, frame.bandRight, scale_);
    std::vector<QWidget *> editors;
    for (StepEditor *editor : editors_)
        if (editor)
            editors.push_back(editor);
    ApplyMainFormLayout(panels_, geometry, frame, editors);
    statusPanels_[0]->setFixedWidth(geometry.statusPanel1);
    statusPanels_[1]->setFixedWidth(geometry.statusPanel2);
    statusPanels_[2]->setMinimumWidth(geometry.statusPanel3);
    statusBar()->update();
}

// --- Window events ---

bool TMainForm::event(QEvent *event) {
    // Hints of controls and menu items go to the first status bar panel.
    if (event->type() == QEvent::StatusTip) {
        statusPanels_[0]->setText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    KeepMinimumOuterSize(); // the frame is known now
    // The editors take their sizes while visible, before the layout places them.
    for (StepEditor *editor : editors_)
        if (editor) {
            editor->show();
            editor->adjustSize();
        }
    ApplyLayout();
    RefreshView(13);
    if (options_.profileOpen)
        ShowProfile(true);
    emit FirstShown();
}

void TMainForm::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    ApplyLayout();
}

void TMainForm::closeEvent(QCloseEvent *event) {
    if (!files_->AskSaveChanges()) {
        event->ignore();
        return;
    }
    SaveOptions();
    debug_.close();
    event->accept();
}

} // namespace korvanta
