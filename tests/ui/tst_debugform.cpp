// The debug window: raw record lists that follow the data, and the temperature converter.
#include <QAbstractItemModel>
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include "config/ConfigStore.h"
#include "ui/TDebugForm.h"
#include "ui/TMainForm.h"

using namespace korvanta;

namespace {

QStringList Column(const QTableView *list, int column) {
    QStringList cells;
    const QAbstractItemModel *model = list->model();
    for (int row = 0; row < model->rowCount(); ++row)
        cells << model->index(row, column).data().toString();
    return cells;
}

QStringList RowCells(const QTableView *list, int row) {
    QStringList cells;
    const QAbstractItemModel *model = list->model();
    for (int column = 0; column < model->columnCount(); ++column)
        cells << model->index(row, column).data().toString();
    return cells;
}

} // namespace

class DebugFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void emptyDataShowsDataEnd();
    void listsFollowEditsAndSnapshot();
    void copiedCycleShowsInClipboardList();
    void converter_data();
    void converter();
    void escapeCloses();
    void layoutFollowsSize();

private:
    template <typename T> T *Find(const char *name) {
        T *widget = debug_->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("missing control %s", name);
        return widget;
    }
    QTableView *Live() { return Find<QTableView>("ListViewDebug"); }
    QTableView *Saved() { return Find<QTableView>("ListViewDebugSaved"); }
    QTableView *Clipboard() { return Find<QTableView>("ListViewClipBoard"); }
    void Click(const char *name) {
        window_->findChild<QAbstractButton *>(QString::fromLatin1(name))->click();
    }

    TDebugForm *debug_ = nullptr;
    ConfigStore *config_ = nullptr;
    TMainForm *window_ = nullptr;
};

void DebugFormTest::init() {
    debug_ = new TDebugForm;
    config_ = new ConfigStore;
    window_ = new TMainForm(*debug_, *config_, nullptr);
    window_->Options().warnFileChanged = false;
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    window_->findChild<QAction *>(QStringLiteral("MenuShowDebug"))->trigger();
    QVERIFY(debug_->isVisible());
}

void DebugFormTest::cleanup() {
    delete window_;
    delete debug_;
    delete config_;
}

void DebugFormTest::emptyDataShowsDataEnd() {
    QCOMPARE(debug_->windowTitle(), QStringLiteral("Debug"));
    QCOMPARE(RowCells(Live(), 0), (QStringList{"255", "", "", "", "", "", "", "", ""}));
    QCOMPARE(Live()->model()->rowCount(), 1);
    QCOMPARE(Live()->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("Time"));
    QCOMPARE(Clipboard()->model()->rowCount(), 0);
}

void DebugFormTest::listsFollowEditsAndSnapshot() {
    Click("BitBtnAddCycle");
    Click("BitBtnDrain");
    QCOMPARE(Column(Live(), 0), (QStringList{"0", "4", "254", "255"}));
    QCOMPARE(RowCells(Live(), 0).mid(0, 3), (QStringList{"0", "1", "Cycle 1"}));
    const QStringList drain = RowCells(Live(), 1);
    QCOMPARE(drain.mid(4, 4), (QStringList{"", "", "", ""})); // a Drain has three codes
    QVERIFY(!drain[8].isEmpty());                             // its Time in seconds
    QCOMPARE(Saved()->model()->rowCount(), 1); // the snapshot moves only on New, Load, Save
    window_->Files().New();
    QCOMPARE(Column(Live(), 0), (QStringList{"255"}));
    QCOMPARE(Column(Saved(), 0), (QStringList{"255"}));
}

void DebugFormTest::copiedCycleShowsInClipboardList() {
    Click("BitBtnAddCycle");
    Click("BitBtnSpin");
    Click("BitBtnAux");
    Click("BitBtnCopy");
    QCOMPARE(Column(Clipboard(), 0), (QStringList{"0", "5", "7", "254"}));
    Click("BitBtnCut");
    QCOMPARE(Clipboard()->model()->rowCount(), 0); // no cycle left: the clipboard is emptied
}

void DebugFormTest::converter_data() {
    QTest::addColumn<bool>("fahrenheit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("otherUnit");
    QTest::newRow("40 C") << false << "40"
                          << "80" << 104;
    QTest::newRow("212 F") << true << "212"
                           << "200" << 100;
    QTest::newRow("500 C keeps 8 bits") << false << "500"
                                        << "232" << 241;
    QTest::newRow("0 F below freezing") << true << "0"
                                        << "221" << 110;
}

// The code follows the typed temperature; the other unit's button shows the same code's
// reading in that unit and leaves the code alone.
void DebugFormTest::converter() {
    QFETCH(bool, fahrenheit);
    QFETCH(QString, typed);
    QFETCH(QString, code);
    QFETCH(int, otherUnit);
    auto *temp = Find<QSpinBox>("EditDebugTemp");
    auto *codeField = Find<QLineEdit>("EditDebugCode");
    QCOMPARE(temp->value(), 60);
    QCOMPARE(codeField->text(), QStringLiteral("0"));
    QVERIFY(Find<QToolButton>("sbCelsius")->isChecked());
    if (fahrenheit)
        Find<QToolButton>("sbFahrenheit")->click();
    temp->selectAll();
    QTest::keyClicks(temp, typed);
    QCOMPARE(codeField->text(), code);
    Find<QToolButton>(fahrenheit ? "sbCelsius" : "sbFahrenheit")->click();
    QCOMPARE(temp->value(), otherUnit);
    QCOMPARE(codeField->text(), code);
}

void DebugFormTest::escapeCloses() {
    debug_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(debug_));
    auto *temp = Find<QSpinBox>("EditDebugTemp");
    temp->setFocus();
    QTest::keyClick(temp, Qt::Key_Escape);
    QVERIFY(!debug_->isVisible());
}

void DebugFormTest::layoutFollowsSize() {
    const QSize frame = debug_->frameGeometry().size() - debug_->size();
    debug_->resize(QSize(1024, 585) - frame);
    QCOMPARE(Live()->size(), QSize((1024 - 33) / 2, 585 * 2 / 3 - 32));
    QCOMPARE(Saved()->x(), Live()->geometry().right() + 1 + 5);
    QCOMPARE(Clipboard()->geometry(),
             QRect(Live()->x(), Live()->height() + 40, 1024 - 23, 585 / 3 - 40));
}

QTEST_MAIN(DebugFormTest)
#include "tst_debugform.moc"
