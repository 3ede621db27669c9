#pragma once

#include <QList>
#include <functional>

#include "ui/steps/StepEditor.h"

class QLabel;
class QPushButton;

namespace korvanta {

class NumberField;
class TemperatureField;
class TimeFields;
class ToggleGroup;

// Editor of a Fill step: the inlet (cold, hot, warm or a controlled temperature, with or
// instead of the auxiliary inlet), the water level, the timeout (a running time for an
// overflow fill), the soap compartments of 4-compartment machines, drum rotation and
// auxiliary heating during the fill.
class TFrameFill1 : public StepEditor {
    Q_OBJECT
public:
    TFrameFill1(EditorHost *host, QWidget *parent);

    RecordType Type() const override { return RecordType::Fill; }
    void LoadStep(WashRecord &record) override;
    void NewStepRecord(WashRecord &record) override;
    void SetRemark(const std::string &remark) override;

private:
    QWidget *BuildInletRows();
    QWidget *BuildLevelRows();
    QWidget *BuildTimeRow();
    QWidget *BuildCompartmentRow();
    QWidget *BuildRotationRow();

    void sbInletsClick();
    void StoreLevel();
    void LevelButtonClick(int button);
    void StoreTime();
    void bWashClick();
    void RotationClick();
    void AuxHeatClick();
    void StoreCode1Bit(int bit, bool set, int refreshCode);
    // The store-then-refresh rule, except while a step is being shown.
    bool Store(int refreshCode, const std::function<void(WashRecord &)> &write);

    void ApplyConfiguration(const MachineConfig &config);
    void ShowInlet(const WashRecord &record);
    void ShowLevel(int levelCode, const MachineConfig &config);
    void EnableLevelFields(bool advanced);
    int LevelOfFields() const;

    ToggleGroup *inlets_;
    QPushButton *reuse_;
    TemperatureField *temp_;
    QList<QWidget *> tempRow_;
    QList<QWidget *> auxHeatRow_;
    QLabel *auxHeatLabel_;
    ToggleGroup *auxHeat_;
    ToggleGroup *levels_;
    NumberField *level_;
    NumberField *levelLow_;
    QLabel *levelDot_;
    QLabel *levelUnit_;
    QLabel *volume_;
    QLabel *timeLabel_;
    TimeFields *time_;
    QWidget *compartmentRow_;
    QPushButton *prewash_;
    QPushButton *wash_;
    ToggleGroup *rotation_;
    QLabel *remark_;
    bool loading_ = false;
};

} // namespace korvanta
