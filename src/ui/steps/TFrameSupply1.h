#pragma once

#include <array>

#include "ui/steps/StepEditor.h"

class QPushButton;

namespace korvanta {

class TimeFields;

// Editor of a Supply step: any combination of soap compartments and remote supplies, open
// for a time. The soap buttons' names follow the generation of the configured machine type.
class TFrameSupply1 : public StepEditor {
    Q_OBJECT
public:
    TFrameSupply1(EditorHost *host, QWidget *parent);

    RecordType Type() const override { return RecordType::Supply; }
    void LoadStep(WashRecord &record) override;
    void NewStepRecord(WashRecord &record) override;
    // Puts up the buttons that a new wash data starts without, by the machine type in force:
    // soaps D, E, F on the 4-compartment generation, remote supply 9 otherwise.
    void DataCleared() override;

private:
    void SpeedButtonClick();
    void UpDownClick();
    void StoreTime();
    void Arrange(bool compartmentMachine);
    bool CompartmentMachine() const;
    static int Bits(const std::array<QPushButton *, 6> &buttons);
    static void PutDown(const std::array<QPushButton *, 6> &buttons, int bits);

    std::array<QPushButton *, 6> soaps_{};   // sbSoapA .. sbSoapF, Code1 bits 0..5
    std::array<QPushButton *, 6> remotes_{}; // sbSupply4 .. sbSupply9, Code2 bits 0..5
    TimeFields *time_;
};

} // namespace korvanta
