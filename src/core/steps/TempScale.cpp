#include "steps/TempScale.h"

#include <algorithm>

#include "model/Conversions.h"
#include "steps/NumberFieldRule.h"

namespace korvanta {

namespace {

// "\260" is the degree sign of Windows-1252 (0xB0), written in octal so that the unit letter
// after it cannot be read as part of the escape.
constexpr TempScale kEnglish{
    32, 200, 60, "\260F", {80, 100, 110, 150}, {"80 \260F", "100 \260F", "110 \260F", "150 \260F"}};
constexpr TempScale kMetric{
    0, 95, 15, "\260C", {30, 40, 60, 90}, {"30 \260C", "40 \260C", "60 \260C", "90 \260C"}};
constexpr TempScale kInitial{
    32, 200, 60, "\260F", {80, 100, 110, 150}, {"80\260F", "100\260F", "110\260F", "150\260F"}};

} // namespace

const TempScale &InitialTempScale() {
    return kInitial;
}

const TempScale &TempScaleFor(const MachineConfig &config) {
    return config.English() ? kEnglish : kMetric;
}

int TempCodeToDegrees(int code, const MachineConfig &config) {
    return config.English() ? CodeToFahrenheit(code) : CodeToCelsius(code);
}

std::string TempCodeText(int code, const MachineConfig &config) {
    return std::to_string(TempCodeToDegrees(code, config)) + " " + TempScaleFor(config).unit;
}

int TempFieldShown(int code, const MachineConfig &config) {
    return std::min(TempCodeToDegrees(code, config), TempScaleFor(config).max);
}

int TempFieldCode(int value, const MachineConfig &config) {
    const TempScale &scale = TempScaleFor(config);
    const int degrees = std::clamp(value, scale.min, scale.max);
    return config.English() ? FahrenheitToCode(degrees) : CelsiusToCode(degrees);
}

int TempRoundTrip(int code, const MachineConfig &config) {
    return TempFieldCode(TempFieldShown(code, config), config);
}

int TempFieldArrow(int value, bool up, const TempScale &scale) {
    const NumberFieldRange range{scale.min, scale.max, 1, false, kTempFieldMaxLength};
    const int next = NumberFieldArrow(range, value, up);
    if (next < scale.threshold)
        return up ? scale.threshold : scale.min;
    return next;
}

int TempFieldExit(const std::string &text, const TempScale &scale) {
    const auto typed = ParseNumberText(text, kTempFieldMaxLength);
    if (!typed) // empty; anything else never passes the key filter
        return scale.min;
    if (*typed > scale.max)
        return scale.max;
    return *typed < scale.threshold ? scale.min : *typed;
}

std::optional<int> EnglishTemplateCorrection(int code, const MachineConfig &config) {
    if (config.English() && code == kEnglishTemplateCode)
        return kEnglishTemplateCorrected;
    return std::nullopt;
}

} // namespace korvanta
