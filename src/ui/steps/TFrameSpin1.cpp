#include "ui/steps/TFrameSpin1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/MachineTypeTable.h"
#include "steps/SpinStep.h"
#include "ui/steps/NumberField.h"
#include "ui/steps/StepControls.h"
#include "ui/steps/TimeFields.h"
#include "ui/steps/ToggleGroup.h"

namespace korvanta {

namespace {

constexpr int kSpeedCode = 1;
constexpr int kMinutesCode = 2;
constexpr int kInitialSpeed = 500; // rpm, "Spin 1"

constexpr NumberFieldRange kSpeedRange{kSpinMinSpeed, kSpinMaxSpeed, kSpinSpeedIncrement, false,
                                       kSpinSpeedLength};

} // namespace

TFrameSpin1::TFrameSpin1(EditorHost *host, QWidget *parent)
    : StepEditor(host, parent), named_(new ToggleGroup(ToggleGroup::Kind::MayBeAllUp, this)),
      speed_(new NumberField("EditSpeed", "UpDownSpeed", kSpeedRange, kInitialSpeed, this)),
      gForce_(MakeLabel("StaticText3", "G-Force : 50", this)),
      time_(new TimeFields("Min", {0, kSpinMaxMinutes, 1, false, 2}, "Sec", 0, kSpinInitialSeconds,
                           this)) {
    setObjectName("TFrameSpin1");
    speed_->SetEmptyValue(kSpinMinSpeed);
    auto *rows = MakeRows(this);
    AddRow(rows, {MakeLabel("StaticText4", "Speed", this)});
    std::array<QPushButton *, kNamedSpinSpeeds.size()> named{};
    for (std::size_t i = 0; i < named.size(); ++i) {
        named[i] = MakeToggleButton(QString("SpeedButton%1").arg(i + 1),
                                    QString("Spin %1").arg(i + 1), this);
        named_->Add(named[i], kNamedSpinSpeeds[i]);
    }
    named_->SetDown(kInitialSpeed);
    AddRow(rows, {named[0], named[1]});
    AddRow(rows, {named[2], named[3]});
    speedRow_ = {MakeLabel("StaticText2", "Spin", this), speed_,
                 MakeLabel("StaticText1", "rpm", this)};
    AddRow(rows, {speedRow_[0], speedRow_[1], speedRow_[2]});
    AddRow(rows, {gForce_});
    AddRow(rows, {MakeLabel("StaticText5", "Time", this)});
    AddRow(rows, {time_->Larger(), MakeLabel("StaticText10", "min", this)});
    AddRow(rows, {time_->Smaller(), MakeLabel("StaticText11", "sec", this)});
    AddRow(rows, {time_->AddPreset("sbTime30", "0:30", 0, 30, this),
                  time_->AddPreset("sbTime300", "3:00", 3, 0, this),
                  time_->AddPreset("sbTime400", "4:00", 4, 0, this)});
    rows->addStretch();
    for (QWidget *widget : speedRow_)
        widget->setEnabled(false);
    connect(named_, &ToggleGroup::Clicked, this, &TFrameSpin1::SpeedButtonClick);
    connect(speed_, &NumberField::Left, this, &TFrameSpin1::StoreSpeed);
    connect(speed_, &NumberField::Stepped, this, &TFrameSpin1::StoreSpeed);
    connect(speed_, &NumberField::TextChanged, this, &TFrameSpin1::EditSpeedChange);
    connect(time_, &TimeFields::Edited, this, &TFrameSpin1::StoreTime);
}

void TFrameSpin1::LoadStep(WashRecord &record) {
    speed_->SetValue(record.Code(kSpeedCode));
    time_->Set(record.Code(kMinutesCode), record.Code(kMinutesCode + 1));
    for (QWidget *widget : speedRow_)
        widget->setEnabled(Host()->AdvancedMode());
    Mark(record.Code(kSpeedCode));
    // The force depends on the configured drum too, and the text may not have changed: the
    // label is always brought up to date when a step is shown.
    EditSpeedChange(speed_->Edit()->text());
    ShowPanel(this);
}

void TFrameSpin1::NewStepRecord(WashRecord &record) {
    record = WashRecord::MakeStep(Type());
    record.SetCode(kSpeedCode, speed_->Value());
    time_->Fill(record, kMinutesCode);
}

void TFrameSpin1::SpeedButtonClick(int rpm) {
    // Clicking the named speed that is down puts it up, but its speed is still set, and the
    // marking puts it down again.
    speed_->SetValue(rpm);
    StoreSpeed();
}

void TFrameSpin1::StoreSpeed() {
    // Files hold the speed in steps of 5 rpm: a speed typed between two steps is taken as the
    // file would keep it, so what is shown is what is saved.
    const int rpm = NumberFieldOnStep(kSpeedRange, speed_->Value());
    speed_->SetValue(rpm);
    StoreStep(Host(), Type(), kRefreshCycleRowAndSteps, [this, rpm](WashRecord &record) {
        record.SetCode(kSpeedCode, rpm);
        Mark(rpm);
    });
}

void TFrameSpin1::StoreTime() {
    StoreStep(Host(), Type(), kRefreshCycleRowAndSteps, [this](WashRecord &record) {
        time_->Fill(record, kMinutesCode);
        Mark(record.Code(kSpeedCode));
    });
}

void TFrameSpin1::EditSpeedChange(const QString &text) {
    const auto rpm = ParseNumberText(text.toStdString(), kSpinSpeedLength);
    if (!rpm)
        return;
    const int drum = DrumDiameter(Host()->Config().machineType);
    gForce_->setText(QString::fromStdString(SpinGForceText(*rpm, drum)));
}

void TFrameSpin1::Mark(int rpm) {
    time_->UpdateAlert();
    speed_->SetAlert(SpinAboveMaximum(speed_->Value(), Host()->Config().machineType));
    named_->SetDown(rpm);
}

} // namespace korvanta
