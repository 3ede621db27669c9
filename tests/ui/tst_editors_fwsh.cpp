#include <QCheckBox>
#include <QtTest>

#include "StepEditorBench.h"
#include "ui/steps/NumberField.h"
#include "ui/steps/TFrameWash1.h"

using namespace korvanta;
using namespace korvanta::testing;

namespace {

constexpr int kThreeCompartmentType = 2; // drum 650 mm
constexpr int kFourCompartmentType = 18;
constexpr int kMetric = 0;
constexpr int kEnglish = 1;

WashRecord Step(RecordType type, std::initializer_list<int> codes) {
    return WashRecord::WithCodes(type, codes);
}

// The editors of this file on a 4-compartment machine unless a test says otherwise.
struct Bench : StepEditorBench {
    Bench(RecordType type, int units, int machineType = kFourCompartmentType)
        : StepEditorBench(type, units, machineType) {}
};

QString Latin1(const char *text) {
    return QString::fromLatin1(text);
}

WashRecord ColdFill() {
    return Step(RecordType::Fill, {1 | 16, 0, 12, 5, 0});
}
WashRecord Wash1() {
    return Step(RecordType::Wash, {1, 80, 18, 3, 32, 5, 0});
}

} // namespace

class TestEditorsFwsh : public QObject {
    Q_OBJECT

private slots:
    void factoryNamesThePanels();
    void fillTypedLevels_data();
    void fillTypedLevels();
    void fillLevelDecimalStepsPerUnits_data();
    void fillLevelDecimalStepsPerUnits();
    void fillLevelButtonClickedTwiceKeepsItsLevel();
    void fillAuxiliaryInletAlone();
    void fillControlledTemperature_data();
    void fillControlledTemperature();
    void fillCompartmentsPerGeneration();
    void fillLoadCorrections();
    void fillRotationAndHeatDoNotReload();
    void fillTemplateCopiesTheShownControls();
    void washModeSelection();
    void washPauseAndNoReverse();
    void washCooldownTimePresets();
    void washDrainModeColdAndDisabled_data();
    void washDrainModeColdAndDisabled();
    void washTemperatureRoundTrips_data();
    void washTemperatureRoundTrips();
    void washSpeedRules();
    void washUnknownModeKeepsTheButton();
    void washTemplateInEnglish();
    void washShowingStoresNothingWhenTheFocusLeaves();
    void heatSoakTemperatureText_data();
    void heatSoakTemperatureText();
    void heatSoakRoundTripOnShowing_data();
    void heatSoakRoundTripOnShowing();
    void heatSoakTimeAndAlert();
    void temperatureArrowsJumpOverTheGap();
};

void TestEditorsFwsh::factoryNamesThePanels() {
    const struct {
        RecordType type;
        const char *name;
    } panels[] = {{RecordType::Fill, "TFrameFill1"},
                  {RecordType::Wash, "TFrameWash1"},
                  {RecordType::Soak, "TFrameSoak1"},
                  {RecordType::Heat, "TFrameHeat1"}};
    for (const auto &panel : panels) {
        Bench bench(panel.type, kMetric);
        QCOMPARE(bench.editor->objectName(), QString(panel.name));
        QCOMPARE(bench.editor->Type(), panel.type);
        QVERIFY(bench.editor->findChild<QLineEdit *>("EditTemp"));
        QVERIFY(bench.editor->findChild<QWidget *>("UpDownTemp"));
    }
    Bench fill(RecordType::Fill, kMetric);
    for (const char *name :
         {"sbCold",   "sbHot",     "sbWarm",     "sbControlled", "sbReuse", "sbTempCold",
          "sbTemp80", "sbTemp150", "bAuxHeatEn", "bAuxHeatDis",  "sbLow",   "sbMed",
          "sbHigh",   "sbOver",    "sbTime3",    "sbTime5",      "sbTime7", "bPreWash",
          "bWash",    "bRotEn",    "bRotDis"})
        QVERIFY2(fill.editor->findChild<QPushButton *>(name), name);
    for (const char *name : {"StaticText1", "StaticText5", "StaticText7", "lAuxHeat", "StaticText2",
                             "StaticText8", "StaticText9", "stFillVolume", "lTime", "StaticText4",
                             "StaticText6", "lWash", "lWash2", "lRotation", "lblFillRemark"})
        QVERIFY2(fill.editor->findChild<QLabel *>(name), name);
    QCOMPARE(fill.Label("lblFillRemark"), QString(" Warnings will be shown here!"));
    Bench wash(RecordType::Wash, kMetric);
    QVERIFY(wash.editor->findChild<QCheckBox *>("CheckBox1"));
    for (const char *name : {"EditPuls", "EditPause", "EditSpeed", "EditHigh", "EditLow"})
        QVERIFY2(wash.editor->findChild<QLineEdit *>(name), name);
    Bench soak(RecordType::Soak, kMetric);
    QCOMPARE(soak.Label("lblSoakRemark"), QString("Warnings will be shown here!"));
    QVERIFY(soak.editor->findChild<QPushButton *>("sbNoHeat"));
    Bench heat(RecordType::Heat, kMetric);
    QVERIFY(!heat.editor->findChild<QPushButton *>("sbNoHeat"));
    QCOMPARE(heat.Label("StaticText5"), QString("Timeout"));
}

void TestEditorsFwsh::fillTypedLevels_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("whole");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("downButton");
    QTest::addColumn<QString>("ending");
    QTest::newRow("english high") << kEnglish << "5"
                                  << "6" << 28 << "sbHigh"
                                  << "to High Level";
    QTest::newRow("metric 7.5") << kMetric << "7"
                                << "5" << 15 << ""
                                << "to Level = 7.5 cm";
    QTest::newRow("english zero") << kEnglish << "0"
                                  << "8" << 1 << ""
                                  << "to Level = 0.2 inch";
    QTest::newRow("metric zero") << kMetric << "0"
                                 << "5" << 1 << ""
                                 << "to Level = 0.5 cm";
    QTest::newRow("english max") << kEnglish << "16"
                                 << "8" << 80 << "sbOver"
                                 << "to Overflow";
    QTest::newRow("metric max") << kMetric << "40"
                                << "5" << 80 << "sbOver"
                                << "to Overflow";
}

void TestEditorsFwsh::fillTypedLevels() {
    QFETCH(int, units);
    QFETCH(QString, whole);
    QFETCH(QString, decimal);
    QFETCH(int, code);
    QFETCH(QString, downButton);
    QFETCH(QString, ending);
    Bench bench(RecordType::Fill, units, kThreeCompartmentType);
    bench.host.advanced = true;
    // A level between the named ones first, so the decimal field is open.
    bench.Show(Step(RecordType::Fill, {1 | 16, 0, 11, 5, 0}));
    QVERIFY(bench.Edit("EditLevelLow")->isEnabled());
    TypeAndLeave(bench.Edit("EditLevelLow"), decimal);
    TypeAndLeave(bench.Edit("EditLevel"), whole);
    QCOMPARE(bench.host.record.Code(3), code);
    QVERIFY(bench.Description().endsWith(ending));
    for (const char *name : {"sbLow", "sbMed", "sbHigh", "sbOver"})
        QCOMPARE(bench.Down(name), downButton == name);
    QCOMPARE(bench.Label("lTime"), QString(code == 80 ? "Time" : "Timeout"));
    if (code == 80 || code == 1)
        QVERIFY(!bench.Edit("EditLevelLow")->isEnabled());
    QCOMPARE(bench.host.refreshes.back(), 14);
}

void TestEditorsFwsh::fillLevelDecimalStepsPerUnits_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("code");
    // Inches step by 2 tenths up to 8, centimetres by 5 up to 5; the digit wraps.
    QTest::newRow("inch up") << kEnglish << 11 << true << 12;
    QTest::newRow("inch wraps up") << kEnglish << 14 << true << 10;
    QTest::newRow("inch wraps down") << kEnglish << 10 << false << 14;
    QTest::newRow("cm up") << kMetric << 10 << true << 11;
    QTest::newRow("cm wraps up") << kMetric << 11 << true << 10;
}

void TestEditorsFwsh::fillLevelDecimalStepsPerUnits() {
    QFETCH(int, units);
    QFETCH(int, level);
    QFETCH(bool, up);
    QFETCH(int, code);
    // Metric first: the field's increment must follow the units the step is shown in.
    Bench bench(RecordType::Fill, kMetric, kThreeCompartmentType);
    bench.host.advanced = true;
    bench.Show(Step(RecordType::Fill, {1 | 16, 0, 11, 5, 0}));
    bench.host.config.units = static_cast<uint8_t>(units);
    bench.Show(Step(RecordType::Fill, {1 | 16, 0, level, 5, 0}));
    const auto *field = bench.Find<NumberField>("EditLevelLowField");
    QCOMPARE(field->Range().increment, units == kEnglish ? 2 : 5);
    QCOMPARE(field->Range().max, units == kEnglish ? 8 : 5);
    PressArrow(bench.editor.get(), "UpDownLevelLow", up);
    QCOMPARE(bench.host.record.Code(3), code);
}

void TestEditorsFwsh::fillLevelButtonClickedTwiceKeepsItsLevel() {
    for (int units : {kMetric, kEnglish}) {
        Bench bench(RecordType::Fill, units);
        bench.Show(ColdFill());
        QVERIFY(!bench.Edit("EditLevel")->isEnabled()); // without AdvancedMode
        bench.Button("sbHigh")->click();
        QCOMPARE(bench.host.record.Code(3), 28);
        bench.Button("sbHigh")->click();
        QCOMPARE(bench.host.record.Code(3), 28);
        QVERIFY(bench.Down("sbHigh"));
        bench.Button("sbOver")->click();
        QCOMPARE(bench.host.record.Code(3), 80);
        QCOMPARE(bench.Edit("EditLevel")->text(), QString(units == kEnglish ? "16" : "40"));
        QCOMPARE(bench.Label("StaticText9"), QString(units == kEnglish ? "inch" : "cm"));
    }
    // The volume of the level in litres or gallons (type 18: 170 dl at level 12).
    Bench metric(RecordType::Fill, kMetric);
    metric.Show(ColdFill());
    QCOMPARE(metric.Label("stFillVolume"), QString("(17.0 l)"));
    Bench english(RecordType::Fill, kEnglish);
    english.Show(ColdFill());
    QCOMPARE(english.Label("stFillVolume"), QString("(4.5 US 3.7 Imp gal)"));
}

void TestEditorsFwsh::fillAuxiliaryInletAlone() {
    Bench bench(RecordType::Fill, kMetric, kThreeCompartmentType);
    bench.host.config.inletOptions = 1;
    bench.Show(Step(RecordType::Fill, {1, 0, 20, 5, 0}));
    QVERIFY(!bench.Button("sbReuse")->isHidden());
    QCOMPARE(bench.Button("sbReuse")->text(), QString("Aux Fill"));
    bench.Button("sbReuse")->click();
    QCOMPARE(bench.host.record.Code(1), 1 | 4);
    QCOMPARE(bench.Description(), QString("Cold+Aux Fill to Med Level"));
    bench.Button("sbCold")->click(); // puts it up: only the auxiliary inlet is left
    QCOMPARE(bench.host.record.Code(1) & 0x0F, 4);
    QCOMPARE(bench.host.record.Code(2), 255);
    QCOMPARE(bench.Description(), QString("Aux Fill to Med Level"));
    for (const char *name : {"sbCold", "sbHot", "sbWarm", "sbControlled"})
        QVERIFY(!bench.Down(name));
    QVERIFY(!bench.Edit("EditTemp")->isEnabled());
    QVERIFY(!bench.Button("bAuxHeatEn")->isEnabled());
    // A new step copies that fill as it is.
    const WashRecord copy = bench.NewStep();
    QCOMPARE(copy.Code(1) & 0x0F, 4);
    QCOMPARE(copy.Code(2), 255);
    // Releasing "Aux Fill" too leaves no inlet: the fill becomes cold again.
    bench.Button("sbReuse")->click();
    QCOMPARE(bench.host.record.Code(1) & 0x0F, 1);
    QVERIFY(bench.Down("sbCold"));
    // Without the option the switch is hidden.
    bench.host.config.inletOptions = 0;
    bench.Show(ColdFill());
    QVERIFY(bench.Button("sbReuse")->isHidden());
}

void TestEditorsFwsh::fillControlledTemperature_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("start");
    QTest::newRow("metric 60") << kMetric << "sbTemp110" << 120 << Latin1("60 \260C Fill");
    QTest::newRow("english 150") << kEnglish << "sbTemp150" << 131 << Latin1("150 \260F Fill");
    QTest::newRow("metric cold") << kMetric << "sbTempCold" << 0 << Latin1("0 \260C Fill");
}

void TestEditorsFwsh::fillControlledTemperature() {
    QFETCH(int, units);
    QFETCH(QString, preset);
    QFETCH(int, code);
    QFETCH(QString, start);
    Bench bench(RecordType::Fill, units);
    bench.Show(ColdFill());
    QVERIFY(!bench.Edit("EditTemp")->isEnabled());
    bench.Button("sbControlled")->click();
    QCOMPARE(bench.host.record.Code(1) & 3, 0);
    QVERIFY(bench.Edit("EditTemp")->isEnabled());
    QVERIFY(bench.Button("bAuxHeatEn")->isEnabled());
    bench.Button(preset.toLatin1().constData())->click();
    QCOMPARE(bench.host.record.Code(2), code);
    QVERIFY(bench.Description().startsWith(start));
    QCOMPARE(bench.host.refreshes.back(), 14);
    // Back to a cold fill: the field shows Min and is disabled.
    bench.Button("sbCold")->click();
    QVERIFY(!bench.Edit("EditTemp")->isEnabled());
    QCOMPARE(bench.Edit("EditTemp")->text(), QString(units == kEnglish ? "32" : "0"));
}

void TestEditorsFwsh::fillCompartmentsPerGeneration() {
    Bench four(RecordType::Fill, kMetric, kFourCompartmentType);
    four.host.config.inletOptions = 1;
    four.Show(Step(RecordType::Fill, {1 | 4 | 16 | 128, 0, 12, 5, 0}));
    QCOMPARE(four.Description(), Latin1("Cold+Direct Fill to Low Level [PW]"));
    QCOMPARE(four.Button("sbReuse")->text(), QString("Direct Fill"));
    QVERIFY(!four.Button("bPreWash")->isHidden());
    four.Button("bPreWash")->click();
    QCOMPARE(four.host.record.Code(1) & 0x90, 128);
    QCOMPARE(four.host.refreshes.back(), 12);
    four.Button("bWash")->click(); // neither: prewash goes down again
    QCOMPARE(four.host.record.Code(1) & 0x90, 16);
    QVERIFY(four.Down("bPreWash"));
    QVERIFY(!four.Down("bWash"));

    Bench three(RecordType::Fill, kMetric, kThreeCompartmentType);
    three.Show(ColdFill());
    for (const char *name : {"bPreWash", "bWash"})
        QVERIFY(three.Button(name)->isHidden());
    QVERIFY(three.editor->findChild<QLabel *>("lWash")->isHidden());
    QCOMPARE(three.Description(), QString("Cold Fill to Low Level"));
}

void TestEditorsFwsh::fillLoadCorrections() {
    // A hot fill without a temperature gets 0; no refresh follows the correction.
    Bench bench(RecordType::Fill, kMetric, kThreeCompartmentType);
    bench.host.record = Step(RecordType::Fill, {2, 255, 12, 5, 0});
    bench.editor->LoadStep(bench.host.record);
    QCOMPARE(bench.host.record.Code(2), 0);
    QVERIFY(bench.Down("sbHot"));
    QVERIFY(bench.host.refreshes.empty());
    // On a 4-compartment machine a fill without a compartment gets the prewash one.
    Bench four(RecordType::Fill, kMetric, kFourCompartmentType);
    four.host.record = Step(RecordType::Fill, {1, 0, 12, 5, 0});
    four.editor->LoadStep(four.host.record);
    QCOMPARE(four.host.record.Code(1), 1 | 16);
    QVERIFY(four.host.refreshes.empty());
}

void TestEditorsFwsh::fillRotationAndHeatDoNotReload() {
    Bench bench(RecordType::Fill, kMetric);
    bench.Show(Step(RecordType::Fill, {0 | 16, 80, 12, 5, 0}));
    QVERIFY(bench.Down("bRotEn"));
    QVERIFY(bench.Down("bAuxHeatDis"));
    bench.Button("bRotDis")->click();
    bench.Button("bAuxHeatEn")->click();
    QCOMPARE(bench.host.record.Code(1), 16 | 32 | 64);
    QCOMPARE(bench.host.refreshes, (std::vector<int>{6, 6}));
    bench.Button("bAuxHeatEn")->click(); // a group that cannot be all up: stays down
    QVERIFY(bench.Down("bAuxHeatEn"));
    QCOMPARE(bench.host.record.Code(1), 16 | 32 | 64);
}

void TestEditorsFwsh::fillTemplateCopiesTheShownControls() {
    for (int units : {kMetric, kEnglish}) {
        Bench bench(RecordType::Fill, units);
        // Before any step is shown: the initial controls, a cold fill whose field holds 40.
        QVERIFY(!bench.Edit("EditTemp")->isEnabled());
        QCOMPARE(bench.Edit("EditTemp")->text(), QString("40"));
        QCOMPARE(Codes(bench.NewStep()),
                 (std::vector<int>{17, units == kEnglish ? 9 : 80, 12, 5, 0}));
        QCOMPARE(bench.NewStep().type, RecordType::Fill);
        // A step shown and edited since is what the next one copies.
        bench.Show(Step(RecordType::Fill, {2 | 128, 0, 28, 7, 30}));
        bench.Button("sbTime5")->click();
        QCOMPARE(Codes(bench.NewStep()), (std::vector<int>{2 | 128, 0, 28, 10, 0}));
    }
    // A numeric level without a level button: the fields' level.
    Bench bench(RecordType::Fill, kMetric);
    bench.Show(Step(RecordType::Fill, {1 | 16, 0, 15, 5, 0}));
    QCOMPARE(bench.NewStep().Code(3), 15);
    // Zero time: both fields light red, one second clears it.
    bench.Show(Step(RecordType::Fill, {1 | 16, 0, 12, 0, 0}));
    QVERIFY(HasAlertColour(bench.Edit("EditMin")));
    PressArrow(bench.editor.get(), "UpDownSec", true);
    QCOMPARE(bench.host.record.Code(5), 1);
    QVERIFY(!HasAlertColour(bench.Edit("EditSec")));
}

void TestEditorsFwsh::washModeSelection() {
    Bench bench(RecordType::Wash, kMetric);
    bench.Show(Wash1());
    QVERIFY(bench.editor->findChild<QCheckBox *>("CheckBox1")->isEnabled());
    bench.Button("sbWash2")->click();
    QCOMPARE(Codes(bench.host.record), (std::vector<int>{2, 80, 3, 27, 32, 5, 0}));
    QCOMPARE(bench.Edit("EditPuls")->text(), QString("3"));
    QCOMPARE(bench.Edit("EditPause")->text(), QString("27"));
    auto *noReverse = bench.editor->findChild<QCheckBox *>("CheckBox1");
    QVERIFY(!noReverse->isEnabled());
    QVERIFY(!noReverse->isChecked());
    QCOMPARE(bench.Description(), Latin1("Wash 2 3/27 (40 \260C)"));
    QCOMPARE(bench.host.refreshes.back(), 6);
    // The mode that is already down applies again: changed values return to its presets.
    bench.host.advanced = true;
    bench.Show(bench.host.record);
    TypeAndLeave(bench.Edit("EditPuls"), "9");
    QCOMPARE(bench.host.record.Code(3), 9);
    QCOMPARE(bench.host.refreshes.back(), 4);
    bench.Button("sbWash2")->click();
    QVERIFY(bench.Down("sbWash2"));
    QCOMPARE(bench.host.record.Code(3), 3);
    QCOMPARE(bench.Edit("EditPuls")->text(), QString("3"));
    // Mode 3 has no agitation and no pause: "No reverse" is checked.
    bench.Button("sbWash3")->click();
    QVERIFY(noReverse->isChecked());
    QCOMPARE(bench.Description(), Latin1("Wash 3, no agitation (40 \260C)"));
}

void TestEditorsFwsh::washPauseAndNoReverse() {
    Bench bench(RecordType::Wash, kMetric);
    bench.host.advanced = true;
    bench.Show(Wash1());
    auto *noReverse = bench.editor->findChild<QCheckBox *>("CheckBox1");
    const struct {
        const char *typed;
        int pause;
    } typed[] = {{"2", 3}, {"20", 20}, {"1", 3}, {"75", 3}, {"0", 0}};
    for (const auto &c : typed) {
        TypeAndLeave(bench.Edit("EditPause"), c.typed);
        QCOMPARE(bench.host.record.Code(4), c.pause);
    }
    QVERIFY(noReverse->isChecked());
    QCOMPARE(bench.Description(), Latin1("Wash 1, no reverse (40 \260C)"));
    // Unchecking with no pause stored gives 2 seconds; checking stores 0.
    noReverse->click();
    QCOMPARE(bench.host.record.Code(4), 2);
    QCOMPARE(bench.Edit("EditPause")->text(), QString("2"));
    noReverse->click();
    QCOMPARE(bench.host.record.Code(4), 0);
    // Clearing the agitation while the pause is 0 unchecks the box: pause 2.
    TypeAndLeave(bench.Edit("EditPuls"), "");
    QCOMPARE(bench.host.record.Code(3), 0);
    QVERIFY(!noReverse->isChecked());
    QCOMPARE(bench.host.record.Code(4), 2);
    // The arrows skip 1 and 2.
    PressArrow(bench.editor.get(), "UpDownPause", true);
    QCOMPARE(bench.host.record.Code(4), 3);
    PressArrow(bench.editor.get(), "UpDownPause", false);
    QCOMPARE(bench.host.record.Code(4), 0);
    // Without AdvancedMode the agitation, pause and speed rows are disabled.
    bench.host.advanced = false;
    bench.Show(Wash1());
    QVERIFY(!bench.Edit("EditPause")->isEnabled());
    QVERIFY(!bench.Edit("EditSpeed")->isEnabled());
    QVERIFY(bench.Button("sbGentle")->isEnabled());
}

void TestEditorsFwsh::washCooldownTimePresets() {
    Bench bench(RecordType::Wash, kMetric);
    bench.Show(Wash1());
    bench.Button("sbWash5")->click();
    QCOMPARE(bench.Label("StaticText10"), QString("hour"));
    QCOMPARE(bench.Button("sbTime3")->text(), QString("0h15"));
    const struct {
        const char *button;
        int minutes;
    } presets[] = {{"sbTime3", 15}, {"sbTime5", 30}, {"sbTime7", 45}};
    for (const auto &preset : presets) {
        bench.Button(preset.button)->click();
        QCOMPARE(bench.host.record.Code(6), 0);
        QCOMPARE(bench.host.record.Code(7), preset.minutes);
    }
    QVERIFY(bench.Description().startsWith("Wash 5, cooldown 18/3 ("));
    bench.Button("sbWash1")->click();
    QCOMPARE(bench.Button("sbTime7")->text(), QString("7:00"));
    bench.Button("sbTime7")->click();
    QCOMPARE(bench.host.record.Code(6), 7);
    QCOMPARE(bench.host.record.Code(7), 0);
    // A shown cooldown step has the hour captions too; the Wash editor has no zero-time alert.
    bench.Show(Step(RecordType::Wash, {5, 80, 18, 3, 32, 0, 0}));
    QCOMPARE(bench.Label("StaticText11"), QString("min"));
    QVERIFY(!HasAlertColour(bench.Edit("EditHigh")));
}

void TestEditorsFwsh::washDrainModeColdAndDisabled_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("shown");
    QTest::newRow("metric") << kMetric << "0";
    QTest::newRow("english") << kEnglish << "32";
}

void TestEditorsFwsh::washDrainModeColdAndDisabled() {
    QFETCH(int, units);
    QFETCH(QString, shown);
    Bench bench(RecordType::Wash, units);
    bench.Show(Wash1());
    bench.Button("sbWash7")->click();
    QCOMPARE(bench.host.record.Code(2), 0);
    QCOMPARE(bench.Edit("EditTemp")->text(), shown);
    QVERIFY(!bench.Edit("EditTemp")->isEnabled());
    QVERIFY(!bench.Button("sbTemp150")->isEnabled());
    bench.Show(bench.host.record);
    QVERIFY(!bench.Button("sbNoHeat")->isEnabled());
    QVERIFY(bench.Description().startsWith("Wash 7, drain, no agitation ("));
}

void TestEditorsFwsh::washTemperatureRoundTrips_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");
    QTest::newRow("odd celsius") << kMetric << 81 << "40" << 80;
    QTest::newRow("fahrenheit ending in 5") << kEnglish << 75 << "100" << 76;
    QTest::newRow("english template") << kEnglish << 9 << "104" << 80;
    QTest::newRow("above celsius max") << kMetric << 200 << "95" << 190;
    QTest::newRow("below threshold kept") << kMetric << 20 << "10" << 20;
}

void TestEditorsFwsh::washTemperatureRoundTrips() {
    QFETCH(int, units);
    QFETCH(int, code);
    QFETCH(QString, shown);
    QFETCH(int, stored);
    Bench bench(RecordType::Wash, units);
    bench.host.record = Step(RecordType::Wash, {1, code, 18, 3, 32, 5, 0});
    bench.editor->LoadStep(bench.host.record);
    QCOMPARE(bench.Edit("EditTemp")->text(), shown);
    QCOMPARE(bench.host.record.Code(2), stored);
    QCOMPARE(bench.host.refreshes, std::vector<int>{6});
}

void TestEditorsFwsh::washSpeedRules() {
    Bench bench(RecordType::Wash, kMetric, kThreeCompartmentType);
    bench.host.advanced = true;
    bench.Show(Wash1());
    TypeAndLeave(bench.Edit("EditSpeed"), "5");
    QCOMPARE(bench.host.record.Code(5), 32);
    TypeAndLeave(bench.Edit("EditSpeed"), "");
    QCOMPARE(bench.host.record.Code(5), 10);
    bench.Button("sbGentle")->click();
    QCOMPARE(bench.host.record.Code(5), 18);
    bench.Button("sbWash")->click();
    QCOMPARE(bench.host.record.Code(5), 37);
    QVERIFY(bench.host.refreshes.empty()); // the speed changes no duration nor description
    // Clearing the wash data sets the "wash" speed of the configured type again.
    auto *wash = static_cast<TFrameWash1 *>(bench.editor.get());
    bench.host.hasRecord = false;
    bench.host.config.machineType = 13; // drum 1095 mm
    TypeAndLeave(bench.Edit("EditSpeed"), "44");
    wash->DataCleared();
    QCOMPARE(bench.NewStep().Code(5), 28);
}

void TestEditorsFwsh::washUnknownModeKeepsTheButton() {
    Bench bench(RecordType::Wash, kMetric);
    bench.Show(Step(RecordType::Wash, {4, 80, 10, 20, 32, 5, 0}));
    bench.Show(Step(RecordType::Wash, {9, 80, 10, 20, 32, 5, 0}));
    QVERIFY(bench.Down("sbWash4"));
    QCOMPARE(bench.Description(), Latin1("Unknown Wash Mode 10/20 (40 \260C)"));
    QCOMPARE(bench.NewStep().Code(1), 4);
}

void TestEditorsFwsh::washTemplateInEnglish() {
    Bench bench(RecordType::Wash, kEnglish);
    const int speed = bench.NewStep().Code(5);
    QCOMPARE(Codes(bench.NewStep()), (std::vector<int>{1, 9, 18, 3, speed, 5, 0}));
    bench.host.record = bench.NewStep();
    bench.editor->LoadStep(bench.host.record);
    QCOMPARE(bench.host.record.Code(2), 80);
    QCOMPARE(bench.Edit("EditTemp")->text(), QString("104"));
    QCOMPARE(bench.Label("StaticText8"), Latin1("\260F"));
    QCOMPARE(bench.Button("sbTemp80")->text(), Latin1("80 \260F"));
    // An edit since the step was shown is copied, temperatures in their shown form.
    bench.Button("sbTemp110")->click();
    QCOMPARE(bench.NewStep().Code(2), 87);
}

void TestEditorsFwsh::washShowingStoresNothingWhenTheFocusLeaves() {
    Bench bench(RecordType::Wash, kMetric);
    bench.host.advanced = true;
    bench.Show(Step(RecordType::Wash, {3, 80, 0, 0, 32, 5, 0}));
    bench.window.show();
    QApplication::setActiveWindow(&bench.window);
    QLineEdit *agitation = bench.Edit("EditPuls");
    agitation->setFocus();
    QVERIFY(QTest::qWaitFor([agitation] { return agitation->hasFocus(); }));
    // Without AdvancedMode the next step disables the focused box, which then leaves.
    bench.host.advanced = false;
    bench.Show(Step(RecordType::Wash, {3, 80, 0, 0, 32, 5, 0}));
    QVERIFY(!agitation->isEnabled());
    QCOMPARE(Codes(bench.host.record), (std::vector<int>{3, 80, 0, 0, 32, 5, 0}));
    QVERIFY(bench.Find<QCheckBox>("CheckBox1")->isChecked());
}

void TestEditorsFwsh::heatSoakTemperatureText_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("whileTyping");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("description");
    const int soak = static_cast<int>(RecordType::Soak);
    const int heat = static_cast<int>(RecordType::Heat);
    // Typing "150" in Fahrenheit passes 1 and 15 (out of range): the last value in range stays.
    QTest::newRow("soak english 150")
        << soak << kEnglish << "150" << 80 << 131 << Latin1("Soak  (150 \260F)");
    QTest::newRow("heat english 150")
        << heat << kEnglish << "150" << 80 << 131 << Latin1("Heat  (150 \260F)");
    QTest::newRow("heat metric 10")
        << heat << kMetric << "10" << 2 << 0 << Latin1("Heat  (0 \260C)");
    QTest::newRow("soak english 45")
        << soak << kEnglish << "45" << 80 << 0 << Latin1("Soak  (32 \260F)");
    QTest::newRow("soak english 250")
        << soak << kEnglish << "250" << 80 << 187 << Latin1("Soak  (200 \260F)");
}

void TestEditorsFwsh::heatSoakTemperatureText() {
    QFETCH(int, type);
    QFETCH(int, units);
    QFETCH(QString, typed);
    QFETCH(int, whileTyping);
    QFETCH(int, stored);
    QFETCH(QString, description);
    Bench bench(static_cast<RecordType>(type), units);
    bench.Show(Step(static_cast<RecordType>(type), {80, 1, 0}));
    QLineEdit *edit = bench.Edit("EditTemp");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, typed.at(0).toLatin1());
    QCOMPARE(bench.host.record.Code(1), whileTyping);
    QTest::keyClicks(edit, typed.mid(1));
    Leave(edit);
    QCOMPARE(bench.host.record.Code(1), stored);
    QCOMPARE(bench.Description(), description);
    QCOMPARE(bench.host.refreshes.back(), 6);
}

void TestEditorsFwsh::heatSoakRoundTripOnShowing_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("stored");
    const int soak = static_cast<int>(RecordType::Soak);
    const int heat = static_cast<int>(RecordType::Heat);
    QTest::newRow("soak english 9") << soak << kEnglish << 9 << 80;
    QTest::newRow("heat english 9") << heat << kEnglish << 9 << 80;
    QTest::newRow("heat metric 81") << heat << kMetric << 81 << 80;
    QTest::newRow("soak english 75") << soak << kEnglish << 75 << 76;
    QTest::newRow("soak metric odd") << soak << kMetric << 9 << 8;
}

void TestEditorsFwsh::heatSoakRoundTripOnShowing() {
    QFETCH(int, type);
    QFETCH(int, units);
    QFETCH(int, code);
    QFETCH(int, stored);
    Bench bench(static_cast<RecordType>(type), units);
    // The field already shows the value of the code: the code is still corrected.
    bench.Show(Step(static_cast<RecordType>(type), {stored, 1, 0}));
    bench.host.record = Step(static_cast<RecordType>(type), {code, 1, 0});
    bench.editor->LoadStep(bench.host.record);
    QCOMPARE(bench.host.record.Code(1), stored);
    QCOMPARE(bench.host.refreshes, std::vector<int>{6});
    // Showing a step whose code survives the display stores nothing.
    bench.host.refreshes.clear();
    bench.editor->LoadStep(bench.host.record);
    QVERIFY(bench.host.refreshes.empty());
}

void TestEditorsFwsh::heatSoakTimeAndAlert() {
    Bench heat(RecordType::Heat, kMetric);
    QCOMPARE(Codes(heat.NewStep()), (std::vector<int>{80, 0, 15}));
    heat.Show(Step(RecordType::Heat, {120, 0, 0}));
    QVERIFY(HasAlertColour(heat.Edit("EditHour")));
    QVERIFY(HasAlertColour(heat.Edit("EditMin")));
    heat.Button("sbTime30")->click();
    QCOMPARE(Codes(heat.host.record), (std::vector<int>{120, 0, 30}));
    QVERIFY(!HasAlertColour(heat.Edit("EditMin")));
    heat.Button("sbTime15")->click();
    QCOMPARE(heat.host.record.Code(3), 15);
    TypeAndLeave(heat.Edit("EditHour"), "11"); // above 10: not taken
    QCOMPARE(heat.host.record.Code(2), 0);

    Bench soak(RecordType::Soak, kEnglish);
    QCOMPARE(Codes(soak.NewStep()), (std::vector<int>{9, 2, 0}));
    soak.Show(Step(RecordType::Soak, {80, 0, 0}));
    QVERIFY(HasAlertColour(soak.Edit("EditMin")));
    soak.Button("sbNoHeat")->click();
    QCOMPARE(soak.host.record.Code(1), 0);
    QCOMPARE(soak.Description(), Latin1("Soak  (32 \260F)"));
    PressArrow(soak.editor.get(), "UpDownMin", false); // wraps to 59, hours unchanged
    QCOMPARE(Codes(soak.host.record), (std::vector<int>{0, 0, 59}));
    QVERIFY(!HasAlertColour(soak.Edit("EditHour")));
}

void TestEditorsFwsh::temperatureArrowsJumpOverTheGap() {
    const struct {
        RecordType type;
        int units;
        int min, threshold;
    } cases[] = {{RecordType::Soak, kEnglish, 32, 60},
                 {RecordType::Heat, kMetric, 0, 15},
                 {RecordType::Wash, kEnglish, 32, 60}};
    for (const auto &c : cases) {
        Bench bench(c.type, c.units);
        const int tempCode = c.type == RecordType::Wash ? 2 : 1;
        WashRecord record = c.type == RecordType::Wash ? Wash1() : Step(c.type, {0, 1, 0});
        record.SetCode(tempCode, 0);
        bench.Show(record);
        QCOMPARE(bench.Edit("EditTemp")->text(), QString::number(c.min));
        PressArrow(bench.editor.get(), "UpDownTemp", true);
        QCOMPARE(bench.Edit("EditTemp")->text(), QString::number(c.threshold));
        QCOMPARE(bench.host.record.Code(tempCode),
                 c.units == kEnglish ? 31 : 30); // 60 degrees F or 15 degrees C
        PressArrow(bench.editor.get(), "UpDownTemp", false);
        QCOMPARE(bench.host.record.Code(tempCode), 0);
    }
}

QTEST_MAIN(TestEditorsFwsh)
#include "tst_editors_fwsh.moc"
