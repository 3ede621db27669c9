#include "ui/steps/TimeFields.h"

#include <QPushButton>

#include "ui/steps/EditorHost.h"
#include "ui/steps/NumberField.h"
#include "ui/steps/StepControls.h"

namespace korvanta {

TimeFields::TimeFields(const QString &largerName, NumberFieldRange largerRange,
                       const QString &smallerName, int larger, int smaller, QWidget *parent)
    : QObject(parent), larger_(new NumberField("Edit" + largerName, "UpDown" + largerName,
                                               largerRange, larger, parent)),
      smaller_(new NumberField("Edit" + smallerName, "UpDown" + smallerName, kSmallerTimeUnit,
                               smaller, parent)) {
    for (NumberField *field : {larger_, smaller_}) {
        connect(field, &NumberField::Left, this, &TimeFields::Left);
        connect(field, &NumberField::Stepped, this, &TimeFields::Stepped);
    }
    connect(this, &TimeFields::Left, this, &TimeFields::Edited);
    connect(this, &TimeFields::Stepped, this, &TimeFields::Edited);
    connect(this, &TimeFields::PresetChosen, this, &TimeFields::Edited);
}

int TimeFields::LargerValue() const {
    return larger_->Value();
}

int TimeFields::SmallerValue() const {
    return smaller_->Value();
}

void TimeFields::Set(int larger, int smaller) {
    larger_->SetValue(larger);
    smaller_->SetValue(smaller);
}

void TimeFields::UpdateAlert() {
    const bool alert = ZeroTimeAlert(LargerValue(), SmallerValue());
    larger_->SetAlert(alert);
    smaller_->SetAlert(alert);
}

void TimeFields::Load(const WashRecord &record, int largerCode) {
    Set(record.Code(largerCode), record.Code(largerCode + 1));
    UpdateAlert();
}

void TimeFields::Fill(WashRecord &record, int largerCode) const {
    record.SetCode(largerCode, LargerValue());
    record.SetCode(largerCode + 1, SmallerValue());
}

QPushButton *TimeFields::AddPreset(const QString &name, const QString &caption, int larger,
                                   int smaller, QWidget *parent) {
    QPushButton *button = MakeActionButton(name, caption, parent);
    connect(button, &QPushButton::clicked, this, [this, larger, smaller] {
        Set(larger, smaller);
        emit PresetChosen();
    });
    return button;
}

bool StoreStepTime(EditorHost *host, RecordType type, TimeFields *time, int largerCode) {
    return StoreStep(host, type, kRefreshCycleRowAndSteps, [&](WashRecord &record) {
        time->Fill(record, largerCode);
        time->UpdateAlert();
    });
}

} // namespace korvanta
