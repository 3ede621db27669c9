#pragma once

#include <QList>

#include "ui/steps/StepEditor.h"

class QLabel;

namespace korvanta {

class NumberField;
class TimeFields;
class ToggleGroup;

// Editor of a Spin step: the speed (a named speed, or any speed in AdvancedMode) with the
// centrifugal force it gives in the configured drum, and the time.
class TFrameSpin1 : public StepEditor {
    Q_OBJECT
public:
    TFrameSpin1(EditorHost *host, QWidget *parent);

    RecordType Type() const override { return RecordType::Spin; }
    void LoadStep(WashRecord &record) override;
    void NewStepRecord(WashRecord &record) override;

private:
    void SpeedButtonClick(int rpm);
    void StoreSpeed();
    void StoreTime();
    void EditSpeedChange(const QString &text);
    // The alert colours and the named speed of the record's speed.
    void Mark(int rpm);

    ToggleGroup *named_;
    NumberField *speed_;
    QLabel *gForce_;
    TimeFields *time_;
    QList<QWidget *> speedRow_;
};

} // namespace korvanta
