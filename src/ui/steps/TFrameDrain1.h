#pragma once

#include "ui/steps/StepEditor.h"

namespace korvanta {

class TimeFields;
class ToggleGroup;

// Editor of a Drain step: which drain empties the tub, and the timeout.
class TFrameDrain1 : public StepEditor {
    Q_OBJECT
public:
    TFrameDrain1(EditorHost *host, QWidget *parent);

    RecordType Type() const override { return RecordType::Drain; }
    void LoadStep(WashRecord &record) override;
    void NewStepRecord(WashRecord &record) override;

private:
    void SpeedButtonClick(int drain);

    ToggleGroup *drains_;
    TimeFields *time_;
};

} // namespace korvanta
