#include "ui/steps/TemperatureField.h"

#include <QLabel>
#include <QPushButton>

#include "ui/steps/StepControls.h"

namespace korvanta {

namespace {

// Captions are Windows-1252 bytes; the degree sign 0xB0 is the same code point in Latin-1.
QString Caption(const char *bytes) {
    return QString::fromLatin1(bytes);
}

constexpr std::array<const char *, 4> kPresetNames{"sbTemp80", "sbTemp100", "sbTemp110",
                                                   "sbTemp150"};

NumberFieldRange InitialRange() {
    const TempScale &scale = InitialTempScale();
    return {scale.min, scale.max, 1, false, kTempFieldMaxLength};
}

} // namespace

TemperatureField::TemperatureField(QWidget *parent)
    : NumberField("EditTemp", "UpDownTemp", InitialRange(), kInitialTempValue, parent),
      scale_(&InitialTempScale()), unit_(MakeLabel("", Caption(scale_->unit), parent)) {
    for (std::size_t i = 0; i < presets_.size(); ++i) {
        presets_[i] = MakeActionButton(kPresetNames[i], Caption(scale_->presetCaptions[i]), parent);
        connect(presets_[i], &QPushButton::clicked, this, [this, i] {
            SetValue(scale_->presets[i]);
            emit PresetChosen(Value());
        });
    }
    SetEmptyValue(scale_->min);
}

void TemperatureField::ApplyScale(const TempScale &scale) {
    scale_ = &scale;
    SetRange(scale.min, scale.max);
    SetEmptyValue(scale.min);
    unit_->setText(Caption(scale.unit));
    for (std::size_t i = 0; i < presets_.size(); ++i)
        presets_[i]->setText(Caption(scale.presetCaptions[i]));
}

void TemperatureField::SetCode(int code, const MachineConfig &config) {
    SetValue(TempFieldShown(code, config));
}

int TemperatureField::Code(const MachineConfig &config) const {
    return TempFieldCode(Value(), config);
}

int TemperatureField::ArrowValue(int from, bool up) const {
    return TempFieldArrow(from, up, *scale_);
}

int TemperatureField::TypedValue(const QString &text) const {
    return TempFieldExit(text.toStdString(), *scale_);
}

} // namespace korvanta
