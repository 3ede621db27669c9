// The main window driven through its buttons and menu items, offscreen.
#include <QAction>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <map>

#include "config/ConfigStore.h"
#include "files/Opensavewashdata.h"
#include "files/OptionsStore.h"
#include "steps/StepDescription.h"
#include "ui/TDebugForm.h"
#include "ui/TMainForm.h"
#include "ui/steps/UpDownArrows.h"

using namespace korvanta;

namespace {

// Answers the next modal message box with the given button and remembers its text.
class BoxAnswer {
public:
    explicit BoxAnswer(QMessageBox::StandardButton answer) : answer_(answer) {
        QTimer::singleShot(10, [this] { Answer(); });
    }
    const QString &Text() const { return text_; }

private:
    void Answer() {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, [this] { Answer(); });
            return;
        }
        text_ = box->text();
        if (QAbstractButton *button = box->button(answer_))
            button->click();
        else
            box->reject();
    }
    QMessageBox::StandardButton answer_;
    QString text_;
};

QStringList Row(const QTableWidget *list, int row) {
    QStringList cells;
    for (int column = 0; column < list->columnCount(); ++column)
        cells << (list->item(row, column) ? list->item(row, column)->text() : QString());
    return cells;
}

QList<QStringList> Rows(const QTableWidget *list) {
    QList<QStringList> rows;
    for (int row = 0; row < list->rowCount(); ++row)
        rows << Row(list, row);
    return rows;
}

bool RowIsRed(const QTableWidget *list, int row) {
    return list->item(row, 0)->foreground().color() == QColor(Qt::red);
}

WashRecord Step(RecordType type, std::initializer_list<int> codes) {
    WashRecord record = WashRecord::MakeStep(type);
    int n = 1;
    for (int code : codes)
        record.SetCode(n++, code);
    return record;
}

// Options kept in memory: integers and strings by name, and what was last written.
class MemoryOptionsStore : public OptionsStore {
public:
    std::map<std::string, int> integers;
    std::map<std::string, std::string> strings;
    std::vector<OptionEntry> written;

    bool KeyExists() const override { return !integers.empty() || !strings.empty(); }
    StringOption GetString(const std::string &name) const override {
        const auto found = strings.find(name);
        if (found == strings.end())
            return {};
        return {OptionStatus::Ok, found->second};
    }
    IntegerOption GetInteger(const std::string &name) const override {
        const auto found = integers.find(name);
        if (found == integers.end())
            return {};
        return {OptionStatus::Ok, found->second};
    }
    bool Write(const std::vector<OptionEntry> &entries) override {
        written = entries;
        return true;
    }
};

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT

public slots:
    // Stands in for the system's document viewer.
    void urlOpened(const QUrl &url) { opened_ = url; }

private slots:
    void init();
    void cleanup();
    void emptyDataShowsNothing();
    void addCycleByButtonAndMenu();
    void addCycleNumberFollowsFreeNumbers();
    void addingExistingNumberShowsError();
    void addStepsAppendAndInsert();
    void deleteAndMoveSteps();
    void renameAndRenumber();
    void cutCopyPaste();
    void moveCycles();
    void selectingRowsChangesCurrent();
    void warningMarksDrawRed();
    void unknownRecordInCycle();
    void titleShowsFileName();
    void hintsGoToFirstStatusPanel();
    void layoutRulesAtDesignSize();
    void menusHoldTheirItems();
    void debugShortcutOpensDebugWindow();
    void helpMissingWarnsWithPath();
    void helpOpensTheDocument();
    void closingAsksAboutChanges();
    void talkHandsOverWorkingFiles();
    void aboutBoxLink();
    void commandsOpenTheirDialogs();
    void captionsOffShrinkTheToolbar();
    void optionsReadAtCreationAndSavedOnClose();

private:
    template <typename T> T *Find(const char *name) {
        T *widget = window_->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("missing control %s", name);
        return widget;
    }
    QTableWidget *Cycles() { return Find<QTableWidget>("ListViewCycleName"); }
    QTableWidget *Steps() { return Find<QTableWidget>("ListViewCycle"); }
    QString SizeText() { return Find<QLabel>("StatusPanelSize")->text(); }
    void Click(const char *name) { Find<QAbstractButton>(name)->click(); }
    void Trigger(const char *name) { Find<QAction>(name)->trigger(); }
    bool Enabled(const char *name) { return Find<QWidget>(name)->isEnabled(); }
    // Replaces the data as a load does.
    void Load(std::vector<WashRecord> records) {
        records.push_back(WashRecord::MakeDataEnd());
        window_->Store().data = WashData(std::move(records));
        window_->Store().TakeSnapshot();
        window_->AfterLoad();
    }

    TDebugForm *debug_ = nullptr;
    ConfigStore *config_ = nullptr;
    TMainForm *window_ = nullptr;
    QUrl opened_;
};

void MainFormTest::init() {
    debug_ = new TDebugForm;
    config_ = new ConfigStore;
    window_ = new TMainForm(*debug_, *config_, nullptr);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void MainFormTest::cleanup() {
    window_->Options().warnFileChanged = false; // closing never asks in between tests
    delete window_;
    delete debug_;
    delete config_;
}

void MainFormTest::emptyDataShowsNothing() {
    QCOMPARE(Cycles()->rowCount(), 0);
    QCOMPARE(Steps()->rowCount(), 0);
    QCOMPARE(SizeText(), QStringLiteral("no cycles"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Korvanta Planner v2.04"));
    QCOMPARE(Find<QLineEdit>("EditName")->text(), QStringLiteral("-"));
    QCOMPARE(Find<QLineEdit>("EditNumber")->text(), QStringLiteral("1"));
    QCOMPARE(Find<QLabel>("LabelCycleHeading")->text(), QStringLiteral("Cycle : - "));
    QCOMPARE(Find<QPushButton>("BitBtnAddCycle")->text(), QStringLiteral("Add Cycle 1"));
    for (const char *name : {"TFrameDrain1", "TFrameSpin1", "TFrameSupply1", "TFrameAux1"})
        QVERIFY(!Find<QWidget>(name)->isVisible());
    for (const char *name :
         {"BitBtnDeleteCycle", "BitBtnCut", "BitBtnCopy", "BitBtnPaste", "BitBtnCycleUp",
          "BitBtnCycleDown", "EditName", "EditNumber", "UpDownNumber", "sbAddStep", "sbInsertStep",
          "BitBtnDrain", "BitBtnDeleteStep", "BitBtnStepUp", "BitBtnStepDown"})
        QVERIFY2(!Enabled(name), name);
    QVERIFY(Enabled("BitBtnAddCycle"));
    QVERIFY(Enabled("UpDownNewCycle"));
}

void MainFormTest::addCycleByButtonAndMenu() {
    Click("BitBtnAddCycle");
    QCOMPARE(Rows(Cycles()), (QList<QStringList>{{"1", "Cycle 1", "0:00"}}));
    QCOMPARE(SizeText(), QStringLiteral("1 cycle,  total size=81 bytes"));
    QCOMPARE(Find<QLabel>("LabelCycleHeading")->text(), QStringLiteral("Cycle 1: Cycle 1 "));
    QCOMPARE(Find<QLineEdit>("EditName")->text(), QStringLiteral("Cycle 1"));
    QCOMPARE(Find<QPushButton>("BitBtnAddCycle")->text(), QStringLiteral("Add Cycle 2"));
    QCOMPARE(Find<QAction>("MenuAddCycle")->text(), QStringLiteral("Add &cycle 2"));
    Trigger("MenuAddCycle");
    QCOMPARE(Rows(Cycles()),
             (QList<QStringList>{{"1", "Cycle 1", "0:00"}, {"2", "Cycle 2", "0:00"}}));
    QCOMPARE(SizeText(), QStringLiteral("2 cycles,  total size=101 bytes"));
    QCOMPARE(Cycles()->currentRow(), 1);
    for (const char *name : {"BitBtnDeleteCycle", "BitBtnCut", "BitBtnCopy", "BitBtnCycleUp",
                             "EditName", "UpDownNumber", "sbAddStep", "BitBtnDrain"})
        QVERIFY2(Enabled(name), name);
    QVERIFY(!Enabled("BitBtnCycleDown"));
    QVERIFY(!Enabled("BitBtnPaste"));
    QVERIFY(!Enabled("sbInsertStep"));
}

void MainFormTest::addCycleNumberFollowsFreeNumbers() {
    auto *arrows = Find<UpDownArrows>("UpDownNewCycle");
    for (int i = 0; i < 6; ++i)
        arrows->UpButton()->click();
    QCOMPARE(Find<QPushButton>("BitBtnAddCycle")->text(), QStringLiteral("Add Cycle 7"));
    Click("BitBtnAddCycle");
    arrows->DownButton()->click();
    QCOMPARE(Find<QPushButton>("BitBtnAddCycle")->text(), QStringLiteral("Add Cycle 6"));
    arrows->UpButton()->click(); // 7 is used: on to 8
    QCOMPARE(Find<QPushButton>("BitBtnAddCycle")->text(), QStringLiteral("Add Cycle 8"));
}

void MainFormTest::addingExistingNumberShowsError() {
    // After a load the number to add is the lowest free one.
    Load({WashRecord::MakeCycleStart(1, "One"), WashRecord::MakeCycleEnd(),
          WashRecord::MakeCycleStart(99, "Last"), WashRecord::MakeCycleEnd()});
    QCOMPARE(Find<QPushButton>("BitBtnAddCycle")->text(), QStringLiteral("Add Cycle 2"));
    for (int i = 0; i < 97; ++i)
        Click("BitBtnAddCycle");
    QCOMPARE(Cycles()->rowCount(), 99);
    QCOMPARE(Find<QPushButton>("BitBtnAddCycle")->text(), QStringLiteral("Add Cycle 98"));
    BoxAnswer full(QMessageBox::Ok);
    Click("BitBtnAddCycle");
    QCOMPARE(full.Text(), QStringLiteral("Cycle 98 already exists!"));
    QCOMPARE(Cycles()->rowCount(), 99);
}

void MainFormTest::addStepsAppendAndInsert() {
    Click("BitBtnAddCycle");
    Click("BitBtnDrain");
    QCOMPARE(SizeText(), QStringLiteral("1 cycle,  total size=85 bytes"));
    QVERIFY(Find<QWidget>("TFrameDrain1")->isVisible());
    Trigger("MenuAddSpin");
    Click("BitBtnAux");
    QCOMPARE(Steps()->rowCount(), 3);
    QCOMPARE(Steps()->currentRow(), 2);
    QVERIFY(Find<QWidget>("TFrameAux1")->isVisible());
    QVERIFY(!Find<QWidget>("TFrameDrain1")->isVisible());
    const WashData &data = window_->Store().data;
    for (int row = 0; row < 3; ++row) {
        const WashRecord &record = data.At(static_cast<std::size_t>(row) + 1);
        QCOMPARE(Row(Steps(), row),
                 (QStringList{QString::number(row + 1),
                              QString::fromStdString(StepDescription(record, config_->config)),
                              QStringLiteral("%1:%2")
                                  .arg(record.time / 60)
                                  .arg(record.time % 60, 2, 10, QLatin1Char('0'))}));
    }
    // Insert mode: the new step takes the current step's place and becomes current.
    Steps()->selectRow(1);
    Click("sbInsertStep");
    QVERIFY(Find<QAction>("MenuInsertMode")->isChecked());
    QVERIFY(!Find<QAction>("MenuAddMode")->isChecked());
    Click("BitBtnSupply");
    QCOMPARE(Steps()->rowCount(), 4);
    QCOMPARE(Steps()->currentRow(), 1);
    QCOMPARE(data.At(2).type, RecordType::Supply);
    QCOMPARE(data.At(3).type, RecordType::Spin);
    QVERIFY(Find<QWidget>("TFrameSupply1")->isVisible());
    // The menu item puts the toggle back.
    Trigger("MenuAddMode");
    QVERIFY(Find<QToolButton>("sbAddStep")->isChecked());
    QVERIFY(!Find<QToolButton>("sbInsertStep")->isChecked());
}

void MainFormTest::deleteAndMoveSteps() {
    Click("BitBtnAddCycle");
    for (const char *name : {"BitBtnDrain", "BitBtnSpin", "BitBtnAux"})
        Click(name);
    Steps()->selectRow(0);
    QVERIFY(!Enabled("BitBtnStepUp"));
    QVERIFY(Enabled("BitBtnStepDown"));
    Click("BitBtnStepDown");
    const WashData &data = window_->Store().data;
    QCOMPARE(data.At(1).type, RecordType::Spin);
    QCOMPARE(data.At(2).type, RecordType::Drain);
    QCOMPARE(Steps()->currentRow(), 1);
    Trigger("MenuStepUp");
    QCOMPARE(data.At(1).type, RecordType::Drain);
    // Deleting the last step makes the one before it current.
    Steps()->selectRow(2);
    QVERIFY(!Enabled("BitBtnStepDown"));
    Click("BitBtnDeleteStep");
    QCOMPARE(Steps()->rowCount(), 2);
    QCOMPARE(Steps()->currentRow(), 1);
    // Deleting the first step makes the next one current.
    Steps()->selectRow(0);
    Trigger("MenuDeleteStep");
    QCOMPARE(Steps()->rowCount(), 1);
    QCOMPARE(data.At(1).type, RecordType::Spin);
    Click("sbInsertStep");
    Click("BitBtnDeleteStep");
    QCOMPARE(Steps()->rowCount(), 0);
    QVERIFY(!Find<QWidget>("TFrameSpin1")->isVisible());
    QVERIFY(Find<QToolButton>("sbAddStep")->isChecked()); // no steps: AddMode is forced
    QVERIFY(!Enabled("BitBtnDeleteStep"));
    QVERIFY(!Enabled("sbInsertStep"));
}

void MainFormTest::renameAndRenumber() {
    Click("BitBtnAddCycle");
    Click("BitBtnAddCycle");
    auto *name = Find<QLineEdit>("EditName");
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Whites and more colours"));
    QCOMPARE(name->text(), QStringLiteral("Whites and more "));
    QCOMPARE(Row(Cycles(), 1)[1], QStringLiteral("Whites and more "));
    QCOMPARE(Find<QLabel>("LabelCycleHeading")->text(),
             QStringLiteral("Cycle 2: Whites and more  "));
    auto *number = Find<UpDownArrows>("UpDownNumber");
    number->DownButton()->click(); // 1 is used
    QCOMPARE(Row(Cycles(), 1)[0], QStringLiteral("2"));
    number->UpButton()->click();
    QCOMPARE(Row(Cycles(), 1)[0], QStringLiteral("3"));
    QCOMPARE(Find<QLineEdit>("EditNumber")->text(), QStringLiteral("3"));
    // A 17-character name from a file is shown whole.
    Load({WashRecord::MakeCycleStart(5, "Seventeen letters"), WashRecord::MakeCycleEnd()});
    QCOMPARE(name->text(), QStringLiteral("Seventeen letters"));
    QCOMPARE(Row(Cycles(), 0)[1], QStringLiteral("Seventeen letters"));
}

void MainFormTest::cutCopyPaste() {
    Load({WashRecord::MakeCycleStart(5, "Wool"), Step(RecordType::Drain, {1, 0, 30}),
          Step(RecordType::Drain, {2, 0, 30}), WashRecord::MakeCycleEnd()});
    QVERIFY(!Enabled("BitBtnPaste"));
    Click("BitBtnCopy");
    QVERIFY(Enabled("BitBtnPaste"));
    QVERIFY(Find<QAction>("MenuPasteCycle")->isEnabled());
    Trigger("MenuPasteCycle");
    QCOMPARE(Cycles()->rowCount(), 2);
    QCOMPARE(Row(Cycles(), 1).mid(0, 2), (QStringList{"1", "Wool"}));
    QCOMPARE(Cycles()->currentRow(), 1);
    QCOMPARE(Steps()->rowCount(), 2);
    // A pasted cycle with fewer steps than the current step's ordinal: its first step is current.
    Load({WashRecord::MakeCycleStart(1, "Short"), Step(RecordType::Drain, {1, 0, 30}),
          WashRecord::MakeCycleEnd(), WashRecord::MakeCycleStart(2, "Long"),
          Step(RecordType::Drain, {1, 0, 30}), Step(RecordType::Drain, {1, 0, 30}),
          Step(RecordType::Drain, {1, 0, 30}), WashRecord::MakeCycleEnd()});
    Click("BitBtnCopy"); // "Short"
    Cycles()->selectRow(1);
    Steps()->selectRow(2);
    Click("BitBtnPaste");
    QCOMPARE(Row(Cycles(), 2).mid(0, 2), (QStringList{"3", "Short"}));
    QCOMPARE(Steps()->rowCount(), 1);
    QCOMPARE(Steps()->currentRow(), 0);
    // Cutting every cycle empties the clipboard.
    for (int i = 0; i < 3; ++i)
        Click("BitBtnCut");
    QCOMPARE(Cycles()->rowCount(), 0);
    QVERIFY(!Enabled("BitBtnPaste"));
    QVERIFY(window_->Store().clipboard.empty());
}

void MainFormTest::moveCycles() {
    for (int i = 0; i < 3; ++i)
        Click("BitBtnAddCycle");
    Cycles()->selectRow(0);
    QVERIFY(!Enabled("BitBtnCycleUp"));
    QVERIFY(!Find<QAction>("MenuCycleUp")->isEnabled());
    Click("BitBtnCycleDown");
    QCOMPARE(Row(Cycles(), 0)[0], QStringLiteral("2"));
    QCOMPARE(Row(Cycles(), 1)[0], QStringLiteral("1"));
    QCOMPARE(Cycles()->currentRow(), 1);
    Trigger("MenuCycleDown");
    QCOMPARE(Row(Cycles(), 2)[0], QStringLiteral("1"));
    QVERIFY(!Enabled("BitBtnCycleDown"));
    Trigger("MenuCycleUp");
    Trigger("MenuCycleUp");
    QCOMPARE(Row(Cycles(), 0)[0], QStringLiteral("1"));
    QVERIFY(!window_->Store().data.At(0).name.empty());
    // Deleting the first cycle makes the next one current; deleting the last the new last.
    Click("BitBtnDeleteCycle");
    QCOMPARE(Cycles()->rowCount(), 2);
    QCOMPARE(Cycles()->currentRow(), 0);
    QCOMPARE(Row(Cycles(), 0)[0], QStringLiteral("2"));
    Cycles()->selectRow(1);
    Trigger("MenuDeleteCycle");
    QCOMPARE(Cycles()->rowCount(), 1);
    QCOMPARE(Cycles()->currentRow(), 0);
}

void MainFormTest::selectingRowsChangesCurrent() {
    Load({WashRecord::MakeCycleStart(1, "A"), Step(RecordType::Drain, {1, 0, 30}),
          WashRecord::MakeCycleEnd(), WashRecord::MakeCycleStart(2, "B"),
          Step(RecordType::Spin, {800, 1, 0}), Step(RecordType::Aux, {1, 0, 30}),
          WashRecord::MakeCycleEnd()});
    QCOMPARE(Cycles()->currentRow(), 0);
    QVERIFY(Find<QWidget>("TFrameDrain1")->isVisible());
    const QRect row = Cycles()->visualItemRect(Cycles()->item(1, 1));
    QTest::mouseClick(Cycles()->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(window_->Session().CurrentCycle(), 2);
    QCOMPARE(Steps()->rowCount(), 2);
    QCOMPARE(Find<QLabel>("LabelCycleHeading")->text(), QStringLiteral("Cycle 2: B "));
    QVERIFY(Find<QWidget>("TFrameSpin1")->isVisible());
    QTest::keyClick(Steps(), Qt::Key_Down);
    QCOMPARE(window_->Session().CurrentStep(), 2);
    QVERIFY(Find<QWidget>("TFrameAux1")->isVisible());
    QVERIFY(!Find<QWidget>("TFrameSpin1")->isVisible());
}

void MainFormTest::warningMarksDrawRed() {
    // A Heat step in an empty tub is a warning; a Drain step is not.
    Load({WashRecord::MakeCycleStart(1, "Plain"), Step(RecordType::Drain, {1, 0, 30}),
          WashRecord::MakeCycleEnd(), WashRecord::MakeCycleStart(2, "Dry heat"),
          Step(RecordType::Drain, {1, 0, 30}), Step(RecordType::Heat, {80, 5, 0}),
          WashRecord::MakeCycleEnd()});
    QVERIFY(window_->Store().marks.CycleMarked(2));
    QVERIFY(!RowIsRed(Cycles(), 0));
    QVERIFY(RowIsRed(Cycles(), 1));
    Cycles()->selectRow(1);
    QCOMPARE(Steps()->rowCount(), 2);
    QVERIFY(!RowIsRed(Steps(), 0));
    QVERIFY(RowIsRed(Steps(), 1));
    // The estimate's remark for the current step reaches its editor.
    auto *remark = Find<QLabel>("lblHeatRemark");
    const QString before = remark->text();
    Steps()->selectRow(1);
    QVERIFY(Find<QWidget>("TFrameHeat1")->isVisible());
    QVERIFY(!remark->text().trimmed().isEmpty());
    QVERIFY(remark->text() != before);
}

void MainFormTest::unknownRecordInCycle() {
    WashRecord odd;
    odd.type = static_cast<RecordType>(9);
    Load({WashRecord::MakeCycleStart(1, "Odd"), odd, WashRecord::MakeCycleEnd()});
    QCOMPARE(Row(Steps(), 0), (QStringList{"1", "unknown command", ""}));
}

void MainFormTest::titleShowsFileName() {
    window_->SetCurrentFile("/home/user/Korvanta Planner/Washdata/Week.kvt");
    window_->WriteTitle();
    QCOMPARE(window_->windowTitle(), QStringLiteral("Korvanta Planner v2.04   -   Week.kvt"));
    window_->SetCurrentFile({});
    window_->WriteTitle();
    QCOMPARE(window_->windowTitle(), QStringLiteral("Korvanta Planner v2.04"));
}

void MainFormTest::hintsGoToFirstStatusPanel() {
    auto *panel = Find<QLabel>("StatusPanelHint");
    const struct {
        const char *control;
        const char *tooltip;
        const char *status;
    } cases[] = {
        {"BitBtnPaste", "Paste cycle", "paste cycle in clipboard"},
        {"BitBtnAux", "Add aux step", "add aux step"},
        {"UpDownNewCycle", "Change cycle number", "Change cycle number to add"},
        {"ToolButtonTalk", "Communication via front panel",
         "Transfer cycles from / to washing machine via front panel"},
        {"ToolButtonSetup", "Options", "Korvanta Planner options menu"},
    };
    for (const auto &c : cases) {
        auto *widget = Find<QWidget>(c.control);
        QCOMPARE(widget->toolTip(), QString::fromLatin1(c.tooltip));
        QStatusTipEvent tip(widget->statusTip());
        QCoreApplication::sendEvent(widget, &tip);
        QCOMPARE(panel->text(), QString::fromLatin1(c.status));
    }
    Find<QAction>("MenuCopyCycle")->showStatusText(window_);
    QCOMPARE(panel->text(), QStringLiteral("Copy selected cycle to clipboard"));
}

void MainFormTest::layoutRulesAtDesignSize() {
    QCOMPARE(int(window_->DisplayScale()), 100);
    const QSize frame = window_->frameGeometry().size() - window_->size();
    window_->resize(QSize(900, 700) - frame);
    window_->resize(QSize(855, 600) - frame);
    QCOMPARE(window_->frameGeometry().size(), QSize(855, 600));
    QCOMPARE(Find<QFrame>("Bevel1")->x(), 240);
    QCOMPARE(Find<QFrame>("Bevel2")->x(), 527);
    QCOMPARE(Find<QLabel>("StatusPanelHint")->width(), 427);
    QCOMPARE(Find<QLabel>("StatusPanelSize")->width(), 193);
    // The window cannot be made smaller than its design size.
    window_->resize(400, 300);
    QCOMPARE(window_->frameGeometry().size(), QSize(855, 600));
    // Both lists end just above the status bar; the toggle keeps its design width.
    QCOMPARE(Find<QToolButton>("sbAddStep")->width(), 65);
    QCOMPARE(Cycles()->columnWidth(0), 40);
    QCOMPARE(Cycles()->columnWidth(2), 55);
    const int statusTop = Find<QWidget>("StatusBar")->y();
    const QPoint bottom = Cycles()->mapTo(window_, QPoint(0, Cycles()->height()));
    QCOMPARE(bottom.y(), statusTop - 1);
}

void MainFormTest::menusHoldTheirItems() {
    const auto items = [this](const char *menu) {
        QStringList texts;
        for (QAction *action : Find<QMenu>(menu)->actions()) {
            QString text = action->isSeparator() ? QStringLiteral("-") : action->text();
            if (!action->shortcut().isEmpty())
                text += QStringLiteral(" (%1)").arg(action->shortcut().toString());
            if (!action->isVisible())
                text += QStringLiteral(" hidden");
            texts << text;
        }
        return texts;
    };
    QCOMPARE(items("MenuFile"),
             (QStringList{"&New (Ctrl+N)", "-", "&Load... (Ctrl+L)", "&Save... (Ctrl+S)", "-",
                          "&Print... (Ctrl+P)", "-", "&Exit"}));
    QCOMPARE(items("MenuCycle"),
             (QStringList{"Add &cycle 1", "Delete c&ycle", "-", "Cut cycle", "Copy cycle",
                          "Paste cycle", "-", "Move cycle up", "Move cycle down"}));
    QCOMPARE(items("MenuStep"),
             (QStringList{"Add step", "Insert step", "Delete step", "-", "Add / insert fill step",
                          "Add / insert supply step", "Add / insert wash step",
                          "Add / insert drain step", "Add / insert spin step",
                          "Add / insert soak step", "Add / insert aux step",
                          "Add / insert heat step", "-", "Move step up", "Move step down"}));
    QCOMPARE(
        items("MenuMachine"),
        (QStringList{"&Configuration... (F5)", "&Board info...", "Prices...", "-",
                     "&Talk via front panel... (Ctrl+T)", "T&alk via RS-485 network... hidden"}));
    QCOMPARE(items("MenuView"), (QStringList{"Cycle profile"}));
    QCOMPARE(items("MenuSetup"), (QStringList{"Program Options... (F10)"}));
    QCOMPARE(items("MenuHelp"), (QStringList{"Help... (F1)", "About..."}));
    QCOMPARE(items("MenuDebug"), (QStringList{"&Show debug screen (Ctrl+Alt+D)"}));
    QVERIFY(!Find<QMenu>("MenuDebug")->menuAction()->isVisible());
    QVERIFY(!Find<QAction>("ToolButtonNetwork")->isVisible());
    QCOMPARE(Find<QToolButton>("ToolButtonSave")->text(), QStringLiteral(" Save "));
}

void MainFormTest::debugShortcutOpensDebugWindow() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    QVERIFY(!debug_->isVisible());
    QTest::keyClick(window_, Qt::Key_D, Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(debug_->isVisible());
}

void MainFormTest::helpMissingWarnsWithPath() {
    BoxAnswer warning(QMessageBox::Ok);
    Trigger("MenuHelpDocument");
    const QString expected = QString::fromStdString(window_->Folders().data) +
                             QStringLiteral("Korvanta Planner Instructions.pdf");
    if (QFileInfo::exists(expected))
        QSKIP("a help document is installed here");
    QCOMPARE(warning.Text(),
             QStringLiteral("The help file: ") + expected + QStringLiteral(" does not exist!"));
    QVERIFY(window_->isVisible());
}

void MainFormTest::helpOpensTheDocument() {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    cleanup();
    init();
    const QString folder = QString::fromStdString(window_->Folders().data);
    QVERIFY(folder.startsWith(home.path()));
    QVERIFY(QDir().mkpath(folder));
    const QString document = folder + QStringLiteral("Korvanta Planner Instructions.pdf");
    QFile file(document);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "urlOpened");
    Find<QAction>("MenuHelpDocument")->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    qputenv("HOME", oldHome);
    QCOMPARE(opened_, QUrl::fromLocalFile(document));
}

void MainFormTest::closingAsksAboutChanges() {
    Click("BitBtnAddCycle");
    {
        BoxAnswer cancel(QMessageBox::Cancel);
        Trigger("MenuExit");
        QCOMPARE(cancel.Text(), QStringLiteral("File changed, save file?"));
    }
    QVERIFY(window_->isVisible());
    BoxAnswer no(QMessageBox::No);
    window_->close();
    QCOMPARE(no.Text(), QStringLiteral("File changed, save file?"));
    QVERIFY(!window_->isVisible());
}

// The front-panel dialog gets the data in Tworking.kvt; cycles it leaves in Rworking.kvt replace
// the data, which then has no file and counts as changed. No working file stays behind.
void MainFormTest::talkHandsOverWorkingFiles() {
    QTemporaryDir temp;
    qputenv("TMPDIR", temp.path().toUtf8());
    cleanup();
    init();
    Click("BitBtnAddCycle");
    window_->Store().TakeSnapshot();
    window_->SetCurrentFile("/somewhere/Week.kvt");
    const QString sent = temp.filePath(QStringLiteral("Tworking.kvt"));
    const QString received = temp.filePath(QStringLiteral("Rworking.kvt"));
    QDialog dialog;
    window_->AttachCommForm(dialog);
    bool sentWhileOpen = false;
    QTimer::singleShot(10, &dialog, [&] {
        sentWhileOpen = QFile::exists(sent);
        WashData machine({WashRecord::MakeCycleStart(7, "From machine"),
                          Step(RecordType::Drain, {1, 0, 30}), WashRecord::MakeCycleEnd(),
                          WashRecord::MakeDataEnd()});
        MachineConfig config;
        SaveWashData(received.toStdString(), machine, config, {});
        dialog.reject();
    });
    Trigger("MenuTalk");
    QVERIFY(sentWhileOpen);
    QVERIFY(!QFile::exists(sent));
    QVERIFY(!QFile::exists(received));
    QCOMPARE(Rows(Cycles()).size(), 1);
    QCOMPARE(Row(Cycles(), 0).mid(0, 2), (QStringList{"7", "From machine"}));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Korvanta Planner v2.04"));
    QVERIFY(window_->Store().Changed());
    // The network dialog gets the data the same way and gives nothing back.
    QDialog network;
    window_->AttachNetForm(network);
    window_->Options().warnFileChanged = false;
    sentWhileOpen = false;
    QTimer::singleShot(10, &network, [&] {
        sentWhileOpen = QFile::exists(sent);
        network.reject();
    });
    Trigger("MenuTalkNetwork");
    QVERIFY(sentWhileOpen);
    QVERIFY(!QFile::exists(sent));
    QCOMPARE(Row(Cycles(), 0).mid(0, 2), (QStringList{"7", "From machine"}));
    qunsetenv("TMPDIR");
}

void MainFormTest::aboutBoxLink() {
    QString caption;
    QColor pressed;
    QTimer::singleShot(10, [&] {
        auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(about);
        caption = about->windowTitle();
        auto *link = about->findChild<QLabel *>(QStringLiteral("LabelWebAddress"));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QTest::mousePress(link, Qt::LeftButton);
        pressed = link->palette().color(QPalette::WindowText);
        about->findChild<QPushButton *>(QStringLiteral("ButtonOK"))->click();
    });
    Trigger("MenuAbout");
    QCOMPARE(caption, QStringLiteral("About Korvanta Planner"));
    QCOMPARE(pressed, QColor(Qt::red));
}

// Dialogs made for one command open modally over the window and are gone afterwards.
void MainFormTest::commandsOpenTheirDialogs() {
    const struct {
        const char *command;
        const char *dialog;
    } cases[] = {{"MenuPrint", "TPrintForm"},
                 {"ToolButtonPrint", "TPrintForm"},
                 {"MenuPrices", "TPricesForm"},
                 {"ToolButtonPrices", "TPricesForm"},
                 {"MenuAbout", "TAboutForm"}};
    for (const auto &c : cases) {
        QString opened;
        QTimer::singleShot(10, [&] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                opened = dialog->objectName();
                qobject_cast<QDialog *>(dialog)->reject();
            }
        });
        Trigger(c.command);
        QCOMPARE(opened, QString::fromLatin1(c.dialog));
        QVERIFY(!window_->findChild<QDialog *>(QString::fromLatin1(c.dialog)));
    }
}

void MainFormTest::captionsOffShrinkTheToolbar() {
    auto *bar = Find<QToolBar>("ToolBar");
    QCOMPARE(bar->height(), 42);
    window_->Options().showCaption = false;
    window_->ApplyCaptionSetting();
    QCOMPARE(bar->height(), 28);
    QCOMPARE(Find<QToolButton>("ToolButtonNew")->toolButtonStyle(), Qt::ToolButtonIconOnly);
    // The columns move up with the band.
    QCOMPARE(Find<QFrame>("Bevel1")->mapTo(window_, QPoint(0, 0)).y(), bar->y() + 28 + 8);
}

void MainFormTest::optionsReadAtCreationAndSavedOnClose() {
    MemoryOptionsStore store;
    store.integers = {{"ShowCaption", 0},
                      {"AdvancedMode", 1},
                      {"WarnFileChanged", 0},
                      {"WarnOverwriteFiles", 1},
                      {"EnableDebug", 1}};
    store.strings = {{"Com Port", "/dev/ttyUSB0"}};
    TDebugForm debug;
    ConfigStore config;
    TMainForm window(debug, config, &store);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.findChild<QToolBar *>(QStringLiteral("ToolBar"))->height(), 28);
    QVERIFY(window.AdvancedMode());
    // Another debug number than the access code puts the debug screen on the Space key.
    QCOMPARE(window.findChild<QAction *>(QStringLiteral("MenuShowDebug"))->shortcut(),
             QKeySequence(Qt::Key_Space));
    window.findChild<QAbstractButton *>(QStringLiteral("BitBtnAddCycle"))->click();
    QVERIFY(window.close()); // no question: the warning is off
    QStringList names;
    for (const OptionEntry &entry : store.written)
        names << QString::fromStdString(entry.name);
    QCOMPARE(names, (QStringList{"Com Port", "ShowCaption", "AdvancedMode", "WarnFileChanged",
                                 "WarnOverwriteFiles", "LastBinDir", "LastPriceDir", "LastPrintDir",
                                 "LastWashdataDir", "ProfileOpen"}));
    QCOMPARE(std::get<std::string>(store.written[0].value), std::string("/dev/ttyUSB0"));
}

QTEST_MAIN(MainFormTest)
#include "tst_mainform.moc"
