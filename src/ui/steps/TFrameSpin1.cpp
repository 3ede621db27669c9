#include "ui/steps/TFrameSpin1.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
    auto *grid = new QGridLayout(this);
    grid->addWidget(MakeLabel("StaticText4", "Speed", this), 0, 0);
    for (std::size_t i = 0; i < kNamedSpinSpeeds.size(); ++i) {
        auto *button = MakeToggleButton(QString("SpeedButton%1").arg(i + 1),
                                        QString("Spin %1").arg(i + 1), this);
        named_->Add(button, kNamedSpinSpeeds[i]);
        grid->addWidget(button, 1 + static_cast<int>(i) / 2, static_cast<int>(i) % 2 * 2, 1, 2);
    }
    named_->SetDown(kInitialSpeed);
    speedRow_ = {MakeLabel("StaticText2", "Spin", this), speed_,
                 MakeLabel("StaticText1", "rpm", this)};
    grid->addWidget(speedRow_[0], 3, 0);
    grid->addWidget(speedRow_[1], 3, 1, 1, 2);
    grid->addWidget(speedRow_[2], 3, 3);
    grid->addWidget(gForce_, 4, 0, 1, 4);
    grid->addWidget(MakeLabel("StaticText5", "Time", this), 5, 0);
    grid->addWidget(time_->Larger(), 6, 0, 1, 2);
    grid->addWidget(MakeLabel("StaticText10", "min", this), 6, 2);
    grid->addWidget(time_->Smaller(), 7, 0, 1, 2);
    grid->addWidget(MakeLabel("StaticText11", "sec", this), 7, 2);
    grid->addWidget(time_->AddPreset("sbTime30", "0:30", 0, 30, this), 8, 0);
    grid->addWidget(time_->AddPreset("sbTime300", "3:00", 3, 0, this), 8, 1);
    grid->addWidget(time_->AddPreset("sbTime400", "4:00", 4, 0, this), 8, 2);
    grid->setRowStretch(9, 1);
    grid->setColumnStretch(4, 1);
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
    show();
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
    const int rpm = speed_->Value();
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
