#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "FakeEditorHost.h"
#include "steps/TempScale.h"
#include "ui/steps/StepControls.h"
#include "ui/steps/TemperatureField.h"
#include "ui/steps/TimeFields.h"
#include "ui/steps/ToggleGroup.h"
#include "ui/steps/UpDownArrows.h"

using namespace korvanta;
using namespace korvanta::testing;

class TestStepControls : public QObject {
    Q_OBJECT

private slots:
    void keyFilterLetsOnlyDigitsIn();
    void enterMovesTheFocusAndLeavingStores();
    void leavingTakesOnlyValuesInRange_data();
    void leavingTakesOnlyValuesInRange();
    void arrowsStepWrapAndStopWithoutCarrying();
    void arrowsStartFromANumberTypedButNotLeft();
    void arrowKeysAndClicksOnTheArrowsControlStep_data();
    void arrowKeysAndClicksOnTheArrowsControlStep();
    void temperatureFieldRules_data();
    void temperatureFieldRules();
    void temperatureArrowsJumpTheGap();
    void temperatureCaptionsFollowTheUnits();
    void toggleGroupKinds();
    void zeroTimeAlertAndPresets();
    void storeAppliesOnlyToTheEditorsType();
};

void TestStepControls::keyFilterLetsOnlyDigitsIn() {
    QWidget panel;
    NumberField field("EditMin", "UpDownMin", {0, 10, 1, false, 2}, 3, &panel);
    auto *edit = EditOf(&panel, "EditMin");
    QVERIFY(edit);
    QVERIFY(panel.findChild<UpDownArrows *>("UpDownMin"));
    TypeInto(edit, "a-.,+ 7x");
    QCOMPARE(edit->text(), QString("7"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QString());
    TypeInto(edit, "123"); // two characters at most
    QCOMPARE(edit->text(), QString("12"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier); // no paste past the filter
    QCOMPARE(edit->text(), QString("12"));
}

void TestStepControls::enterMovesTheFocusAndLeavingStores() {
    QWidget panel;
    NumberField field("EditMin", "UpDownMin", {0, 10, 1, false, 2}, 3, &panel);
    auto *next = new QLineEdit(&panel);
    next->setObjectName("next");
    panel.move(0, 0);
    panel.show();
    panel.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&panel));
    QSignalSpy left(&field, &NumberField::Left);
    field.Edit()->setFocus();
    QTRY_VERIFY(field.Edit()->hasFocus());
    TypeInto(field.Edit(), "8");
    QTest::keyClick(field.Edit(), Qt::Key_Return);
    QCOMPARE(field.Edit()->text(), QString("8"));
    QTRY_VERIFY(next->hasFocus());
    QCOMPARE(left.count(), 1);
    QCOMPARE(field.Value(), 8);
}

void TestStepControls::leavingTakesOnlyValuesInRange_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("emptyValue");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("in range") << 0 << 10 << 0 << "7" << 7 << "7";
    QTest::newRow("above max kept as typed, not taken") << 0 << 59 << 0 << "75" << 3 << "75";
    QTest::newRow("empty gives 0") << 0 << 59 << 0 << "" << 0 << "0";
    QTest::newRow("speed below min") << 200 << 1000 << 200 << "150" << 500 << "150";
    QTest::newRow("empty speed gives 200") << 200 << 1000 << 200 << "" << 200 << "200";
}

void TestStepControls::leavingTakesOnlyValuesInRange() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, emptyValue);
    QFETCH(QString, typed);
    QFETCH(int, value);
    QFETCH(QString, shown);
    QWidget panel;
    const int start = min == 0 ? 3 : 500;
    NumberField field("EditX", "UpDownX", {min, max, 1, false, 4}, start, &panel);
    field.SetEmptyValue(emptyValue);
    QSignalSpy left(&field, &NumberField::Left);
    TypeAndLeave(field.Edit(), typed);
    QCOMPARE(left.count(), 1);
    QCOMPARE(field.Value(), value);
    QCOMPARE(field.Edit()->text(), shown);
}

void TestStepControls::arrowsStepWrapAndStopWithoutCarrying() {
    QWidget panel;
    TimeFields time("Min", {0, 10, 1, false, 2}, "Sec", 10, 59, &panel);
    QSignalSpy stepped(&time, &TimeFields::Stepped);
    PressArrow(&panel, "UpDownSec", true);
    QCOMPARE(time.SmallerValue(), 0);
    QCOMPARE(time.LargerValue(), 10); // no carry into the minutes
    PressArrow(&panel, "UpDownSec", false);
    QCOMPARE(time.SmallerValue(), 59);
    PressArrow(&panel, "UpDownMin", true); // no wrap: stays at Max
    QCOMPARE(time.LargerValue(), 10);
    QCOMPARE(EditOf(&panel, "EditMin")->text(), QString("10"));
    QCOMPARE(stepped.count(), 3); // every press reports, moved or not

    NumberField speed("EditSpeed", "UpDownSpeed", {200, 1000, 5, false, 4}, 995, &panel);
    PressArrow(&panel, "UpDownSpeed", true);
    QCOMPARE(speed.Value(), 1000);
    PressArrow(&panel, "UpDownSpeed", true);
    QCOMPARE(speed.Value(), 1000);
    QCOMPARE(speed.Edit()->text(), QString("1000")); // no thousands separator
}

void TestStepControls::arrowsStartFromANumberTypedButNotLeft() {
    QWidget panel;
    NumberField field("EditSec", "UpDownSec", kSmallerTimeUnit, 45, &panel);
    TypeInto(field.Edit(), "30");
    PressArrow(&panel, "UpDownSec", true);
    QCOMPARE(field.Value(), 31);
    TypeInto(field.Edit(), "75"); // not a value the field can hold: the arrows go on from 31
    PressArrow(&panel, "UpDownSec", true);
    QCOMPARE(field.Value(), 32);
    QCOMPARE(field.Edit()->text(), QString("32"));
}

void TestStepControls::arrowKeysAndClicksOnTheArrowsControlStep_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("value");
    QTest::newRow("up key in the box") << "key" << true << 46;
    QTest::newRow("down key in the box") << "key" << false << 44;
    QTest::newRow("upper half of the arrows") << "click" << true << 46;
    QTest::newRow("lower half of the arrows") << "click" << false << 44;
}

void TestStepControls::arrowKeysAndClicksOnTheArrowsControlStep() {
    QFETCH(QString, how);
    QFETCH(bool, up);
    QFETCH(int, value);
    QWidget panel;
    NumberField field("EditSec", "UpDownSec", kSmallerTimeUnit, 45, &panel);
    QSignalSpy stepped(&field, &NumberField::Stepped);
    if (how == "key") {
        QTest::keyClick(field.Edit(), up ? Qt::Key_Up : Qt::Key_Down);
    } else {
        auto *arrows = panel.findChild<UpDownArrows *>("UpDownSec");
        const QPoint at(arrows->width() / 2, up ? 1 : arrows->height() - 2);
        QTest::mouseClick(arrows, Qt::LeftButton, {}, at);
    }
    QCOMPARE(field.Value(), value);
    QCOMPARE(field.Edit()->text(), QString::number(value));
    QCOMPARE(stepped.count(), 1);
}

void TestStepControls::temperatureFieldRules_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("code");
    QTest::newRow("English below threshold") << 1 << "45" << 32 << 0;
    QTest::newRow("English above max") << 1 << "250" << 200 << 187;
    QTest::newRow("Metric below threshold") << 0 << "14" << 0 << 0;
    QTest::newRow("Metric above max") << 0 << "99" << 95 << 190;
}

void TestStepControls::temperatureFieldRules() {
    QFETCH(int, units);
    QFETCH(QString, typed);
    QFETCH(int, value);
    QFETCH(int, code);
    QWidget panel;
    MachineConfig config;
    config.units = static_cast<uint8_t>(units);
    TemperatureField field(&panel);
    field.ApplyScale(TempScaleFor(config));
    field.SetCode(100, config);
    TypeAndLeave(field.Edit(), typed);
    QCOMPARE(field.Value(), value);
    QCOMPARE(field.Edit()->text(), QString::number(value)); // the clamped value is shown
    QCOMPARE(field.Code(config), code);
}

void TestStepControls::temperatureArrowsJumpTheGap() {
    QWidget panel;
    MachineConfig config;
    config.units = 1;
    TemperatureField field(&panel);
    field.ApplyScale(TempScaleFor(config));
    field.SetValue(32);
    PressArrow(&panel, "UpDownTemp", true);
    QCOMPARE(field.Value(), 60);
    PressArrow(&panel, "UpDownTemp", false);
    QCOMPARE(field.Value(), 32);
    config.units = 0;
    field.ApplyScale(TempScaleFor(config));
    field.SetCode(81, config); // 40.5 degrees C shows as 40 and stores back as 80
    QCOMPARE(field.Value(), 40);
    QCOMPARE(field.Code(config), 80);
    field.SetCode(200, config); // above Max shows as Max
    QCOMPARE(field.Value(), 95);
}

void TestStepControls::temperatureCaptionsFollowTheUnits() {
    QWidget panel;
    TemperatureField field(&panel);
    auto *preset110 = panel.findChild<QPushButton *>("sbTemp110");
    QVERIFY(preset110);
    QCOMPARE(field.Value(), 40);
    QCOMPARE(field.Range().min, 32);
    QCOMPARE(preset110->text(), QString::fromUtf8("110°F"));
    MachineConfig config;
    field.ApplyScale(TempScaleFor(config));
    QCOMPARE(preset110->text(), QString::fromUtf8("60 °C"));
    QCOMPARE(field.UnitLabel()->text(), QString::fromUtf8("°C"));
    QSignalSpy chosen(&field, &TemperatureField::PresetChosen);
    preset110->click();
    QCOMPARE(field.Value(), 60);
    QCOMPARE(chosen.count(), 1);
    config.units = 1;
    field.ApplyScale(TempScaleFor(config));
    panel.findChild<QPushButton *>("sbTemp150")->click();
    QCOMPARE(field.Value(), 150);
}

void TestStepControls::toggleGroupKinds() {
    QWidget panel;
    ToggleGroup mayBeUp(ToggleGroup::Kind::MayBeAllUp, &panel);
    ToggleGroup cannot(ToggleGroup::Kind::CannotBeAllUp, &panel);
    for (int id = 1; id <= 2; ++id) {
        mayBeUp.Add(MakeToggleButton(QString("m%1").arg(id), "", &panel), id);
        cannot.Add(MakeToggleButton(QString("c%1").arg(id), "", &panel), id);
    }
    QSignalSpy clicked(&cannot, &ToggleGroup::Clicked);
    for (ToggleGroup *group : {&mayBeUp, &cannot}) {
        group->SetDown(1);
        group->Button(2)->click();
        QCOMPARE(group->DownId(), 2);
    }
    mayBeUp.Button(2)->click();
    QCOMPARE(mayBeUp.DownId(), -1);
    cannot.Button(2)->click();
    QCOMPARE(cannot.DownId(), 2);
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(clicked.last().at(0).toInt(), 2);
    // A code without a button: all up where allowed, unchanged otherwise.
    mayBeUp.SetDown(1);
    mayBeUp.SetDown(9);
    QCOMPARE(mayBeUp.DownId(), -1);
    cannot.SetDown(9);
    QCOMPARE(cannot.DownId(), 2);
}

void TestStepControls::zeroTimeAlertAndPresets() {
    QWidget panel;
    TimeFields time("Min", {0, 10, 1, false, 2}, "Sec", 0, 1, &panel);
    auto *preset = time.AddPreset("sbTime100", "1:00", 1, 0, &panel);
    QSignalSpy edited(&time, &TimeFields::Edited);
    time.UpdateAlert();
    QVERIFY(!HasAlertColour(time.Larger()->Edit()));
    TypeAndLeave(time.Smaller()->Edit(), "0");
    time.UpdateAlert();
    QVERIFY(HasAlertColour(time.Larger()->Edit()));
    QVERIFY(HasAlertColour(time.Smaller()->Edit()));
    preset->click();
    time.UpdateAlert();
    QCOMPARE(time.LargerValue(), 1);
    QCOMPARE(time.SmallerValue(), 0);
    QVERIFY(!HasAlertColour(time.Smaller()->Edit()));
    QCOMPARE(edited.count(), 2);
}

void TestStepControls::storeAppliesOnlyToTheEditorsType() {
    FakeEditorHost host;
    host.record = WashRecord::MakeStep(RecordType::Drain);
    const auto write = [](WashRecord &record) { record.SetCode(1, 2); };
    QVERIFY(!StoreStep(&host, RecordType::Spin, 6, write));
    host.hasRecord = false;
    QVERIFY(!StoreStep(&host, RecordType::Drain, 6, write));
    QVERIFY(host.refreshes.empty());
    host.hasRecord = true;
    QVERIFY(StoreStep(&host, RecordType::Drain, 6, write));
    QCOMPARE(host.record.Code(1), 2);
    QCOMPARE(host.refreshes, std::vector<int>{6});
}

QTEST_MAIN(TestStepControls)
#include "tst_stepcontrols.moc"
