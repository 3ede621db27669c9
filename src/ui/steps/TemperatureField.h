#pragma once

#include <array>

#include "steps/TempScale.h"
#include "ui/steps/NumberField.h"

class QLabel;
class QPushButton;

namespace korvanta {

// The temperature field of the Fill, Wash, Soak and Heat editors: EditTemp with UpDownTemp,
// the unit label and the four preset buttons sbTemp80 .. sbTemp150. It holds whole degrees of
// the display unit: Min, or a value from the threshold to Max. An arrow press below the
// threshold jumps to the threshold (up) or Min (down); leaving the box clamps (empty gives
// Min, above Max gives Max, below the threshold gives Min) and shows the clamped value.
//
// Use: construct it and place it, its UnitLabel() and its Presets() in the panel's layout. In
// LoadStep call ApplyScale(TempScaleFor(config)) and then SetCode(). Connect Left(), Stepped() and
// PresetChosen() to the temperature store, which writes Code(config). "Cold" / "No heat" buttons
// belong to the editor: SetValue(Scale().min).
class TemperatureField : public NumberField {
    Q_OBJECT
public:
    explicit TemperatureField(QWidget *parent);

    // Captions of the unit label and presets, Min and Max of the display unit.
    void ApplyScale(const TempScale &scale);
    const TempScale &Scale() const { return *scale_; }

    // Shows a record's TempCode (limited to Max).
    void SetCode(int code, const MachineConfig &config);
    // The TempCode of the value shown.
    int Code(const MachineConfig &config) const;

    QLabel *UnitLabel() const { return unit_; }
    const std::array<QPushButton *, 4> &Presets() const { return presets_; }

signals:
    // A preset button has set the field's value.
    void PresetChosen(int value);

protected:
    int ArrowValue(int from, bool up) const override;
    int TypedValue(const QString &text) const override;
    bool ShowsTakenValue() const override { return true; }

private:
    const TempScale *scale_;
    QLabel *unit_;
    std::array<QPushButton *, 4> presets_{};
};

} // namespace korvanta
