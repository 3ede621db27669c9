#include "ui/steps/TFrameDrain1.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "steps/DrainStep.h"
#include "ui/steps/NumberField.h"
#include "ui/steps/StepControls.h"
#include "ui/steps/TimeFields.h"
#include "ui/steps/ToggleGroup.h"

namespace korvanta {

namespace {

constexpr int kDrainCode = 1;
constexpr int kMinutesCode = 2;

} // namespace

TFrameDrain1::TFrameDrain1(EditorHost *host, QWidget *parent)
    : StepEditor(host, parent), drains_(new ToggleGroup(ToggleGroup::Kind::CannotBeAllUp, this)),
      time_(new TimeFields("Min", {0, kDrainMaxMinutes, 1, false, 2}, "Sec", kDrainInitialMinutes,
                           0, this)) {
    setObjectName("TFrameDrain1");
    auto *rows = MakeRows(this);
    AddRow(rows, {MakeLabel("StaticText1", "Select", this)});
    for (int drain = 1; drain <= 2; ++drain) {
        auto *button = MakeToggleButton(QString("SpeedButton%1").arg(drain),
                                        QString("Drain %1").arg(drain), this);
        drains_->Add(button, drain);
        AddRow(rows, {button});
    }
    drains_->SetDown(1);
    AddRow(rows, {MakeLabel("StaticText5", "Timeout", this)});
    AddRow(rows, {time_->Larger(), MakeLabel("StaticText10", "min", this)});
    AddRow(rows, {time_->Smaller(), MakeLabel("StaticText11", "sec", this)});
    AddRow(rows, {time_->AddPreset("sbTime30", "0:30", 0, 30, this),
                  time_->AddPreset("sbTime100", "1:00", 1, 0, this)});
    rows->addStretch();
    connect(drains_, &ToggleGroup::Clicked, this, &TFrameDrain1::SpeedButtonClick);
    connect(time_, &TimeFields::Edited, this,
            [this] { StoreStepTime(Host(), Type(), time_, kMinutesCode); });
}

void TFrameDrain1::LoadStep(WashRecord &record) {
    // Without a second drain only drain 1 can be chosen; a step that holds drain 2 still
    // shows it, until the user chooses drain 1.
    const bool second = SecondDrainConfigured(Host()->Config().drains);
    drains_->Button(2)->setEnabled(second);
    if (!second)
        drains_->SetDown(1);
    time_->Load(record, kMinutesCode);
    drains_->SetDown(record.Code(kDrainCode));
    ShowPanel(this);
}

void TFrameDrain1::NewStepRecord(WashRecord &record) {
    record = WashRecord::MakeStep(Type());
    record.SetCode(kDrainCode, drains_->DownId());
    time_->Fill(record, kMinutesCode);
}

void TFrameDrain1::SpeedButtonClick(int drain) {
    StoreStep(Host(), Type(), kRefreshSteps,
              [drain](WashRecord &record) { record.SetCode(kDrainCode, drain); });
}

} // namespace korvanta
