#include "ui/steps/TFrameAux1.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "steps/AuxStep.h"
#include "ui/steps/NumberField.h"
#include "ui/steps/StepControls.h"
#include "ui/steps/TimeFields.h"
#include "ui/steps/ToggleGroup.h"

namespace korvanta {

namespace {

constexpr int kOutputCode = 1;
constexpr int kMinutesCode = 2;

const char *const kOutputRoles[kAuxShownOutputs][2] = {
    {"StaticText3", "Soft wash"}, {"StaticText4", "Timed output"}, {"StaticText6", "Buzzer"}};

} // namespace

TFrameAux1::TFrameAux1(EditorHost *host, QWidget *parent)
    : StepEditor(host, parent), outputs_(new ToggleGroup(ToggleGroup::Kind::CannotBeAllUp, this)),
      time_(new TimeFields("Min", {0, kAuxMaxMinutes, 1, false, 2}, "Sec", kAuxInitialMinutes, 0,
                           this)) {
    setObjectName("TFrameAux1");
    auto *grid = new QGridLayout(this);
    grid->addWidget(MakeLabel("StaticText2", "Select", this), 0, 0);
    // The record can name outputs up to 7; the machines offer the first three.
    for (int output = 1; output <= kAuxOutputCount; ++output) {
        auto *button = MakeToggleButton(QString("SpeedButton%1").arg(output),
                                        QString("Auxiliary %1").arg(output), this);
        outputs_->Add(button, output);
        if (output <= kAuxShownOutputs) {
            grid->addWidget(button, output, 0);
            grid->addWidget(
                MakeLabel(kOutputRoles[output - 1][0], kOutputRoles[output - 1][1], this), output,
                1, 1, 2);
        } else {
            button->hide();
        }
    }
    outputs_->SetDown(1);
    timeRow_ = {MakeLabel("StaticText5", "Time", this), time_->Larger(),
                MakeLabel("StaticText10", "min", this), time_->Smaller(),
                MakeLabel("StaticText1", "sec", this)};
    grid->addWidget(timeRow_[0], 4, 0);
    grid->addWidget(timeRow_[1], 5, 0);
    grid->addWidget(timeRow_[2], 5, 1);
    grid->addWidget(timeRow_[3], 6, 0);
    grid->addWidget(timeRow_[4], 6, 1);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(3, 1);
    EnableTimeRow(false);
    connect(outputs_, &ToggleGroup::Clicked, this, &TFrameAux1::SpeedButtonClick);
    connect(time_, &TimeFields::Edited, this,
            [this] { StoreStepTime(Host(), Type(), time_, kMinutesCode); });
}

void TFrameAux1::LoadStep(WashRecord &record) {
    time_->Load(record, kMinutesCode);
    const int output = record.Code(kOutputCode);
    outputs_->SetDown(output);
    EnableTimeRow(AuxOutputUsesTime(output));
    show();
}

void TFrameAux1::NewStepRecord(WashRecord &record) {
    record = WashRecord::MakeStep(Type());
    record.SetCode(kOutputCode, outputs_->DownId());
    time_->Fill(record, kMinutesCode);
}

void TFrameAux1::SpeedButtonClick(int output) {
    // The refresh reloads the step, which enables or disables the time row.
    StoreStep(Host(), Type(), kRefreshCycleRowStepsEditor,
              [output](WashRecord &record) { record.SetCode(kOutputCode, output); });
}

void TFrameAux1::EnableTimeRow(bool enabled) {
    for (QWidget *widget : timeRow_)
        widget->setEnabled(enabled);
}

} // namespace korvanta
