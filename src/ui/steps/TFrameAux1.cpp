#include "ui/steps/TFrameAux1.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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
    auto *rows = MakeRows(this);
    AddRow(rows, {MakeLabel("StaticText2", "Select", this)});
    // The record can name outputs up to 7; the machines offer the first three.
    for (int output = 1; output <= kAuxOutputCount; ++output) {
        auto *button = MakeToggleButton(QString("SpeedButton%1").arg(output),
                                        QString("Auxiliary %1").arg(output), this);
        outputs_->Add(button, output);
        if (output <= kAuxShownOutputs)
            AddRow(rows, {button, MakeLabel(kOutputRoles[output - 1][0],
                                            kOutputRoles[output - 1][1], this)});
        else
            button->hide();
    }
    outputs_->SetDown(1);
    timeRow_ = {MakeLabel("StaticText5", "Time", this), time_->Larger(),
                MakeLabel("StaticText10", "min", this), time_->Smaller(),
                MakeLabel("StaticText1", "sec", this)};
    AddRow(rows, {timeRow_[0]});
    AddRow(rows, {timeRow_[1], timeRow_[2]});
    AddRow(rows, {timeRow_[3], timeRow_[4]});
    rows->addStretch();
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
    ShowPanel(this);
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
