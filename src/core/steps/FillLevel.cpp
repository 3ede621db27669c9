#include "steps/FillLevel.h"

namespace korvanta {

namespace {

constexpr FillLevelScale kInch{5, 2, 16, "inch"};
constexpr FillLevelScale kCentimetre{2, 5, 40, "cm"};

} // namespace

const FillLevelScale &FillLevelScaleFor(bool english) {
    return english ? kInch : kCentimetre;
}

FillLevelFields FillLevelToFields(int levelCode, const FillLevelScale &scale) {
    return {levelCode / scale.codesPerUnit, (levelCode % scale.codesPerUnit) * scale.decimalStep};
}

int FillLevelStore(FillLevelFields &fields, const FillLevelScale &scale) {
    if (fields.whole == scale.wholeMax)
        fields.decimal = 0;
    if (fields.whole == 0)
        return kFillLevelLowest;
    return fields.whole * scale.codesPerUnit + fields.decimal / scale.decimalStep;
}

FillLevelFields FillLevelButtonFields(FillLevelButton button, const FillLevelScale &scale) {
    return FillLevelToFields(FillLevelButtonCode(button), scale);
}

int FillLevelButtonCode(FillLevelButton button) {
    switch (button) {
    case FillLevelButton::Low:
        return kFillLevelLow;
    case FillLevelButton::Med:
        return kFillLevelMed;
    case FillLevelButton::High:
        return kFillLevelHigh;
    case FillLevelButton::Over:
        return kFillLevelOver;
    }
    return kFillLevelLow;
}

std::optional<FillLevelButton> FillLevelButtonFor(int levelCode) {
    switch (levelCode) {
    case kFillLevelLow:
        return FillLevelButton::Low;
    case kFillLevelMed:
        return FillLevelButton::Med;
    case kFillLevelHigh:
        return FillLevelButton::High;
    case kFillLevelOver:
        return FillLevelButton::Over;
    default:
        return std::nullopt;
    }
}

std::string FillLevelText(int levelCode, const FillLevelScale &scale) {
    const FillLevelFields fields = FillLevelToFields(levelCode, scale);
    return std::to_string(fields.whole) + "." + std::to_string(fields.decimal) + " " + scale.unit;
}

} // namespace korvanta
