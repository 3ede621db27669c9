#pragma once

#include <QList>
#include <array>
#include <functional>

#include "ui/steps/StepEditor.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace korvanta {

class NumberField;
class TemperatureField;
class TimeFields;
class ToggleGroup;

// Editor of a Wash step: one of seven wash modes, agitation and pause (with "No reverse"), the
// temperature to keep, the drum speed and the time (minutes and seconds; hours and minutes in
// the cooldown mode). The Wash editor has no zero-time alert.
class TFrameWash1 : public StepEditor {
    Q_OBJECT
public:
    TFrameWash1(EditorHost *host, QWidget *parent);

    RecordType Type() const override { return RecordType::Wash; }
    void LoadStep(WashRecord &record) override;
    void NewStepRecord(WashRecord &record) override;
    void SetRemark(const std::string &remark) override;
    // The speed goes back to the "wash" preset of the configured machine type.
    void DataCleared() override { sbWashClick(); }

private:
    // The "wash" speed preset: the normal wash speed of the configured machine type.
    void sbWashClick();
    void SelectMode(int mode);
    void SetModeCaptions(int mode);
    void EnableAdvancedRows();
    void StoreTime();
    void StoreTemperature();
    void StoreAgitation();
    void StorePause();
    void StoreSpeed();
    void NoReverseChanged(bool checked);
    void ApplyNoReverseState();
    void TimePreset(int index);
    // The store-then-refresh rule, except while a step is being shown.
    bool Store(int refreshCode, const std::function<void(WashRecord &)> &write);

    ToggleGroup *modes_;
    NumberField *agitation_;
    NumberField *pause_;
    QCheckBox *noReverse_;
    TemperatureField *temp_;
    QList<QWidget *> tempRow_;
    NumberField *speed_;
    QList<QWidget *> advancedRows_;
    TimeFields *time_;
    QLabel *largerUnit_;
    QLabel *smallerUnit_;
    std::array<QPushButton *, 3> timePresets_{};
    QLabel *remark_;
    bool loading_ = false;
};

} // namespace korvanta
