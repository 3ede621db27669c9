#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "StepEditorBench.h"

using namespace korvanta;
using namespace korvanta::testing;

namespace {

constexpr int kThreeCompartmentType = 2; // drum 650 mm, spins up to 1000 rpm
constexpr int kFourCompartmentType = 18;
constexpr int kSlowSpinType = 5; // spins up to 800 rpm

// The editors run the same in both display units: the tests that say so run in each.
void AddUnitRows() {
    QTest::addColumn<int>("units");
    QTest::newRow("Metric") << 0;
    QTest::newRow("English") << 1;
}

// One of the four editors in a fake window, by default on a 4-compartment machine type.
struct Bench : StepEditorBench {
    Bench(RecordType type, int units, int machineType = kFourCompartmentType)
        : StepEditorBench(type, units, machineType) {}
};

} // namespace

class TestEditorsSdsa : public QObject {
    Q_OBJECT

private slots:
    void panelsFitTheEditorColumnWithoutCutCaptions_data();
    void panelsFitTheEditorColumnWithoutCutCaptions();
    void factoryNamesThePanels();
    void supplyMinimumTimeOnButtons_data();
    void supplyMinimumTimeOnButtons();
    void supplyTypedTimeIsKeptUntilTheArrows_data();
    void supplyTypedTimeIsKeptUntilTheArrows();
    void supplyShowsHiddenSoapsAndKeepsHighBits();
    void supplyCaptionsFollowTheGeneration();
    void supplyClearingPutsButtonsUpByGeneration();
    void drainSecondDrainWithoutConfiguration_data();
    void drainSecondDrainWithoutConfiguration();
    void drainRepeatedClickAndUnknownCode();
    void spinNamedSpeedAboveTheMachinesMaximum();
    void spinTypedSpeeds();
    void spinGForceFollowsTheText();
    void spinClickingTheDownSpeedKeepsItDown();
    void auxTimeRowFollowsTheOutput_data();
    void auxTimeRowFollowsTheOutput();
    void auxHiddenOutputFromAFile();
    void newStepsCopyTheInitialControls_data();
    void newStepsCopyTheInitialControls();
    void newStepsCopyTheStepShownLast_data();
    void newStepsCopyTheStepShownLast();
};

void TestEditorsSdsa::factoryNamesThePanels() {
    FakeEditorHost host;
    const std::pair<RecordType, const char *> panels[] = {{RecordType::Supply, "TFrameSupply1"},
                                                          {RecordType::Drain, "TFrameDrain1"},
                                                          {RecordType::Spin, "TFrameSpin1"},
                                                          {RecordType::Aux, "TFrameAux1"}};
    for (const auto &[type, name] : panels) {
        std::unique_ptr<StepEditor> editor(CreateStepEditor(type, &host, nullptr));
        QVERIFY(editor);
        QCOMPARE(editor->objectName(), QString(name));
        QCOMPARE(editor->Type(), type);
    }
}

void TestEditorsSdsa::supplyMinimumTimeOnButtons_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("storedSeconds");
    QTest::newRow("4-comp soap A 0:10 Metric")
        << 0 << kFourCompartmentType << 0 << 10 << "sbSoapA" << 15;
    QTest::newRow("4-comp soap A 1:05") << 0 << kFourCompartmentType << 1 << 5 << "sbSoapA" << 5;
    QTest::newRow("3-comp soap 1 0:10") << 0 << kThreeCompartmentType << 0 << 10 << "sbSoapA" << 10;
}

void TestEditorsSdsa::supplyMinimumTimeOnButtons() {
    QFETCH(int, units);
    QFETCH(int, type);
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    QFETCH(QString, button);
    QFETCH(int, storedSeconds);
    Bench bench(RecordType::Supply, units, type);
    bench.Show(WashRecord::WithCodes(RecordType::Supply, {0, 0, minutes, seconds}));
    bench.Button(button.toLatin1())->click();
    QCOMPARE(bench.host.record.Code(4), storedSeconds);
    QCOMPARE(bench.Edit("EditSec")->text(), QString::number(storedSeconds));
    QVERIFY(bench.host.record.Code(1) != 0);
    // The corrected time is stored (and durations refreshed) before the supplies' refresh.
    const std::vector<int> refreshes =
        storedSeconds != seconds ? std::vector<int>{6, 14} : std::vector<int>{14};
    QCOMPARE(bench.host.refreshes, refreshes);
}

void TestEditorsSdsa::supplyTypedTimeIsKeptUntilTheArrows_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<bool>("up");
    QTest::newRow("Metric, up") << 0 << true;
    QTest::newRow("English, down") << 1 << false;
}

void TestEditorsSdsa::supplyTypedTimeIsKeptUntilTheArrows() {
    QFETCH(int, units);
    QFETCH(bool, up);
    Bench bench(RecordType::Supply, units, kFourCompartmentType);
    bench.Show(WashRecord::WithCodes(RecordType::Supply, {1, 0, 0, 45}));
    TypeAndLeave(bench.Edit("EditSec"), "5");
    QCOMPARE(bench.host.record.Code(4), 5);
    PressArrow(bench.editor.get(), "UpDownSec", up);
    QCOMPARE(bench.host.record.Code(4), 15);
    QCOMPARE(bench.host.refreshes, (std::vector<int>{6, 6}));
    bench.Button("sbTime30")->click();
    QCOMPARE(bench.host.record.Code(4), 30);
}

void TestEditorsSdsa::supplyShowsHiddenSoapsAndKeepsHighBits() {
    Bench four(RecordType::Supply, 0, kFourCompartmentType);
    four.Show(WashRecord::WithCodes(RecordType::Supply, {9, 0, 1, 0}));
    QVERIFY(four.Button("sbSoapA")->isChecked());
    QVERIFY(four.Button("sbSoapD")->isChecked());
    QVERIFY(!four.Button("sbSoapB")->isChecked());
    QCOMPARE(four.Description(), QString("Supply A, D"));

    Bench three(RecordType::Supply, 1, kThreeCompartmentType);
    three.Show(WashRecord::WithCodes(RecordType::Supply, {9 | 0xC0, 0x40, 1, 0}));
    QVERIFY(three.Button("sbSoapD")->isHidden());
    QVERIFY(three.Button("sbSoapD")->isChecked());
    QVERIFY(!three.Button("sbSupply9")->isHidden());
    QCOMPARE(three.Description(), QString("Supply 1, 4, 7, 10"));
    three.Button("sbSupply5")->click();
    QCOMPARE(three.host.record.Code(1), 9 | 0xC0); // bits 6 and 7 untouched
    QCOMPARE(three.host.record.Code(2), 0x40 | 0x02);
    three.Button("sbSoapA")->click();
    QCOMPARE(three.host.record.Code(1), 8 | 0xC0);
}

void TestEditorsSdsa::supplyCaptionsFollowTheGeneration() {
    Bench bench(RecordType::Supply, 0, kFourCompartmentType);
    QCOMPARE(bench.Button("sbSoapD")->text(), QString("10: soap D"));
    QCOMPARE(bench.Button("sbSoapA")->text(), QString("1: Soap A"));
    bench.Show(WashRecord::WithCodes(RecordType::Supply, {0, 0, 0, 0}));
    QCOMPARE(bench.Button("sbSoapA")->text(), QString("A: Softener - Hot"));
    QCOMPARE(bench.Button("sbSupply9")->text(), QString("6: Remote specialty 2"));
    QVERIFY(!bench.Button("sbSoapF")->isHidden());
    // Both codes 0: "No supply", and the time fields still apply.
    QCOMPARE(bench.Description(), QString("No supply"));
    QVERIFY(HasAlertColour(bench.Edit("EditMin")));
    bench.host.config.machineType = kThreeCompartmentType;
    bench.Show(bench.host.record);
    QCOMPARE(bench.Button("sbSoapC")->text(), QString("3: Soap C"));
    QCOMPARE(bench.Button("sbSupply4")->text(), QString("4: Remote detergent"));
    QVERIFY(bench.Button("sbSoapF")->isHidden());
}

void TestEditorsSdsa::supplyClearingPutsButtonsUpByGeneration() {
    for (int type : {kFourCompartmentType, kThreeCompartmentType}) {
        Bench bench(RecordType::Supply, 0, type);
        bench.Show(WashRecord::WithCodes(RecordType::Supply, {0x3F, 0x3F, 0, 30}));
        bench.editor->DataCleared();
        const WashRecord next = bench.NewStep();
        if (type == kFourCompartmentType) {
            QCOMPARE(next.Code(1), 0x07);
            QCOMPARE(next.Code(2), 0x3F);
        } else {
            QCOMPARE(next.Code(1), 0x3F);
            QCOMPARE(next.Code(2), 0x1F);
        }
        QCOMPARE(next.Code(4), 30); // nothing else is reset
    }
}

void TestEditorsSdsa::drainSecondDrainWithoutConfiguration_data() {
    AddUnitRows();
}

void TestEditorsSdsa::drainSecondDrainWithoutConfiguration() {
    QFETCH(int, units);
    Bench bench(RecordType::Drain, units);
    bench.host.config.drains = 0x01;
    bench.Show(WashRecord::WithCodes(RecordType::Drain, {2, 1, 0}));
    auto *drain1 = bench.Button("SpeedButton1");
    auto *drain2 = bench.Button("SpeedButton2");
    QVERIFY(drain2->isChecked());
    QVERIFY(!drain2->isEnabled());
    QCOMPARE(bench.Description(), QString("Drain 2"));
    drain1->click();
    QCOMPARE(bench.host.record.Code(1), 1);
    QCOMPARE(bench.host.refreshes, std::vector<int>{4});
    bench.Show(bench.host.record);
    QVERIFY(drain1->isChecked());
    QVERIFY(!drain2->isEnabled());
    bench.host.config.drains = 0x21;
    bench.Show(bench.host.record);
    QVERIFY(drain2->isEnabled());
}

void TestEditorsSdsa::drainRepeatedClickAndUnknownCode() {
    Bench bench(RecordType::Drain, 0);
    bench.host.config.drains = 0x11;
    bench.Show(WashRecord::WithCodes(RecordType::Drain, {2, 0, 0}));
    QVERIFY(HasAlertColour(bench.Edit("EditMin")));
    QVERIFY(HasAlertColour(bench.Edit("EditSec")));
    bench.Button("SpeedButton2")->click();
    QVERIFY(bench.Button("SpeedButton2")->isChecked());
    QCOMPARE(bench.host.record.Code(1), 2);
    QCOMPARE(bench.host.refreshes, std::vector<int>{4});
    PressArrow(bench.editor.get(), "UpDownSec", true);
    QCOMPARE(bench.host.record.Code(3), 1);
    QVERIFY(!HasAlertColour(bench.Edit("EditSec")));
    bench.Show(WashRecord::WithCodes(RecordType::Drain, {7, 1, 0}));
    QVERIFY(bench.Button("SpeedButton2")->isChecked()); // no button for 7: the down one stays
    QCOMPARE(bench.Description(), QString("Unknown Drain"));
    QCOMPARE(bench.NewStep().Code(1), 2);
}

void TestEditorsSdsa::spinNamedSpeedAboveTheMachinesMaximum() {
    for (int units : {0, 1}) {
        Bench bench(RecordType::Spin, units, kSlowSpinType);
        bench.Show(WashRecord::WithCodes(RecordType::Spin, {500, 1, 0}));
        QVERIFY(!HasAlertColour(bench.Edit("EditSpeed")));
        bench.Button("SpeedButton4")->click();
        QCOMPARE(bench.host.record.Code(1), 1000);
        QVERIFY(HasAlertColour(bench.Edit("EditSpeed")));
        QVERIFY(bench.Button("SpeedButton4")->isChecked());
        QVERIFY(!bench.Button("SpeedButton1")->isChecked());
        QCOMPARE(bench.Description(), QString("Spin 4"));
        QCOMPARE(bench.host.refreshes, std::vector<int>{6});
    }
}

void TestEditorsSdsa::spinTypedSpeeds() {
    Bench bench(RecordType::Spin, 0, kFourCompartmentType);
    bench.host.advanced = true;
    bench.Show(
        WashRecord::WithCodes(RecordType::Spin, {100 * 5, 0, 30})); // a file byte of 100 is 500 rpm
    QVERIFY(bench.Button("SpeedButton1")->isChecked());
    QVERIFY(bench.Edit("EditSpeed")->isEnabled());
    TypeAndLeave(bench.Edit("EditSpeed"), "725");
    QCOMPARE(bench.host.record.Code(1), 725);
    for (const char *name : {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4"})
        QVERIFY(!bench.Button(name)->isChecked());
    QCOMPARE(bench.Description(), QString("Spin = 725 rpm"));
    TypeAndLeave(bench.Edit("EditSpeed"), "150"); // below 200: not taken
    QCOMPARE(bench.host.record.Code(1), 725);
    // Files hold the speed in steps of 5: a speed between steps is taken as the file keeps it.
    TypeAndLeave(bench.Edit("EditSpeed"), "723");
    QCOMPARE(bench.host.record.Code(1), 720);
    QCOMPARE(bench.Edit("EditSpeed")->text(), QString("720"));
    TypeAndLeave(bench.Edit("EditSpeed"), "");
    QCOMPARE(bench.Edit("EditSpeed")->text(), QString("200"));
    QCOMPARE(bench.host.record.Code(1), 200);
    PressArrow(bench.editor.get(), "UpDownSpeed", true);
    QCOMPARE(bench.host.record.Code(1), 205);

    bench.host.advanced = false;
    bench.Show(bench.host.record);
    QVERIFY(!bench.Edit("EditSpeed")->isEnabled());
    QVERIFY(!bench.editor->findChild<QLabel *>("StaticText2")->isEnabled());
}

void TestEditorsSdsa::spinGForceFollowsTheText() {
    Bench bench(RecordType::Spin, 1, kThreeCompartmentType); // 650 mm drum
    auto *gForce = bench.editor->findChild<QLabel *>("StaticText3");
    QCOMPARE(gForce->text(), QString("G-Force : 50"));
    bench.host.advanced = true;
    bench.Show(WashRecord::WithCodes(RecordType::Spin, {500, 0, 30}));
    QCOMPARE(gForce->text(), QString("G-Force : 91"));
    TypeInto(bench.Edit("EditSpeed"), "");
    QCOMPARE(gForce->text(), QString("G-Force : 91")); // an empty box keeps the text
    QTest::keyClicks(bench.Edit("EditSpeed"), "1000");
    QCOMPARE(gForce->text(), QString("G-Force : 363"));
}

void TestEditorsSdsa::spinClickingTheDownSpeedKeepsItDown() {
    Bench bench(RecordType::Spin, 0);
    bench.Show(WashRecord::WithCodes(RecordType::Spin, {650, 2, 0}));
    bench.Button("SpeedButton2")->click();
    QVERIFY(bench.Button("SpeedButton2")->isChecked());
    QCOMPARE(bench.host.record.Code(1), 650);
    bench.Button("sbTime300")->click();
    QCOMPARE(Codes(bench.host.record), (std::vector<int>{650, 3, 0}));
}

void TestEditorsSdsa::auxTimeRowFollowsTheOutput_data() {
    AddUnitRows();
}

void TestEditorsSdsa::auxTimeRowFollowsTheOutput() {
    QFETCH(int, units);
    Bench bench(RecordType::Aux, units);
    QVERIFY(!bench.Edit("EditMin")->isEnabled());
    bench.Show(WashRecord::WithCodes(RecordType::Aux, {1, 0, 0}));
    QVERIFY(!bench.Edit("EditSec")->isEnabled());
    QVERIFY(HasAlertColour(bench.Edit("EditSec"))); // output 1 is still coloured
    bench.Button("SpeedButton2")->click();
    QCOMPARE(bench.host.refreshes, std::vector<int>{14});
    QVERIFY(bench.Edit("EditSec")->isEnabled());
    QVERIFY(bench.editor->findChild<QLabel *>("StaticText5")->isEnabled());
    TypeAndLeave(bench.Edit("EditMin"), "3");
    QCOMPARE(bench.host.record.Code(2), 3);
    bench.Button("SpeedButton1")->click();
    QVERIFY(!bench.Edit("EditMin")->isEnabled());
    QCOMPARE(Codes(bench.host.record), (std::vector<int>{1, 3, 0}));
    QCOMPARE(bench.Description(), QString("Auxiliary 1"));
}

void TestEditorsSdsa::auxHiddenOutputFromAFile() {
    Bench bench(RecordType::Aux, 0);
    bench.Show(WashRecord::WithCodes(RecordType::Aux, {5, 0, 20}));
    for (const char *name : {"SpeedButton1", "SpeedButton2", "SpeedButton3"})
        QVERIFY(!bench.Button(name)->isChecked());
    QVERIFY(bench.Button("SpeedButton5")->isChecked());
    QVERIFY(bench.Button("SpeedButton5")->isHidden());
    QCOMPARE(bench.Description(), QString("Auxiliary 5"));
    bench.Show(WashRecord::WithCodes(RecordType::Aux, {0, 0, 20}));
    QVERIFY(bench.Button("SpeedButton5")->isChecked());
    QCOMPARE(bench.Description(), QString("Unknown Auxiliary"));
}

void TestEditorsSdsa::newStepsCopyTheInitialControls_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<int>>("codes");
    QTest::newRow("Supply") << int(RecordType::Supply) << QList<int>{0, 0, 0, 45};
    QTest::newRow("Drain") << int(RecordType::Drain) << QList<int>{1, 1, 0};
    QTest::newRow("Spin") << int(RecordType::Spin) << QList<int>{500, 0, 30};
    QTest::newRow("Aux") << int(RecordType::Aux) << QList<int>{1, 1, 0};
}

void TestEditorsSdsa::newStepsCopyTheInitialControls() {
    QFETCH(int, type);
    QFETCH(QList<int>, codes);
    Bench bench(static_cast<RecordType>(type), 1);
    const WashRecord record = bench.NewStep();
    QCOMPARE(int(record.type), type);
    QCOMPARE(record.time, 0u);
    const std::vector<int> actual = Codes(record);
    QCOMPARE(QList<int>(actual.begin(), actual.end()), codes);
}

void TestEditorsSdsa::newStepsCopyTheStepShownLast_data() {
    AddUnitRows();
}

void TestEditorsSdsa::newStepsCopyTheStepShownLast() {
    QFETCH(int, units);
    const WashRecord shown[] = {WashRecord::WithCodes(RecordType::Supply, {0x25, 0x12, 2, 10}),
                                WashRecord::WithCodes(RecordType::Drain, {2, 7, 59}),
                                WashRecord::WithCodes(RecordType::Spin, {725, 4, 0}),
                                WashRecord::WithCodes(RecordType::Aux, {3, 0, 5})};
    for (const WashRecord &step : shown) {
        Bench bench(step.type, units);
        bench.host.config.drains = 0x11;
        bench.Show(step);
        QCOMPARE(Codes(bench.NewStep()), Codes(step));
    }
}

void TestEditorsSdsa::panelsFitTheEditorColumnWithoutCutCaptions_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("machineType");
    for (int type = 1; type <= 8; ++type)
        for (int machineType : {kThreeCompartmentType, kFourCompartmentType})
            QTest::addRow("type %d on %d", type, machineType) << type << machineType;
}

void TestEditorsSdsa::panelsFitTheEditorColumnWithoutCutCaptions() {
    // The main window's editor column is about 300 pixels wide at its smallest. A panel is
    // placed at the size it asked for when the window first showed, before any step set the
    // captions of the configuration (longer supply names, "110 \260F", gallons); showing a
    // step must not leave a caption cut.
    constexpr int kEditorColumn = 300;
    QFETCH(int, type);
    QFETCH(int, machineType);
    Bench bench(static_cast<RecordType>(type), 1, machineType);
    bench.host.advanced = true;
    bench.window.show();
    bench.editor->show();
    bench.editor->adjustSize();
    WashRecord step = bench.NewStep();
    if (step.type == RecordType::Fill)
        step.SetCode(3, 79); // a level without a button: the volume text in gallons
    bench.Show(step);
    QVERIFY(bench.editor->sizeHint().width() <= kEditorColumn);
    for (QPushButton *button : bench.editor->findChildren<QPushButton *>()) {
        if (!button->isVisibleTo(bench.editor.get()))
            continue;
        QVERIFY2(button->width() >= button->minimumSizeHint().width(),
                 qPrintable(button->objectName()));
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(),
                 qPrintable(button->objectName()));
    }
}

QTEST_MAIN(TestEditorsSdsa)
#include "tst_editors_sdsa.moc"
