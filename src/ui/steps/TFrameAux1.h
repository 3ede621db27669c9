#pragma once

#include <QList>

#include "ui/steps/StepEditor.h"

namespace korvanta {

class TimeFields;
class ToggleGroup;

// Editor of an Aux step: which auxiliary output, and its time (not for output 1, "Soft
// wash", which has no time of its own).
class TFrameAux1 : public StepEditor {
    Q_OBJECT
public:
    TFrameAux1(EditorHost *host, QWidget *parent);

    RecordType Type() const override { return RecordType::Aux; }
    void LoadStep(WashRecord &record) override;
    void NewStepRecord(WashRecord &record) override;

private:
    void SpeedButtonClick(int output);
    void EnableTimeRow(bool enabled);

    ToggleGroup *outputs_;
    TimeFields *time_;
    QList<QWidget *> timeRow_;
};

} // namespace korvanta
