#include "config/ConfigRules.h"

#include <algorithm>
#include <cstdlib>

#include "config/MachineTypeTable.h"
#include "model/Conversions.h"

namespace korvanta {

int ShownType(bool fourCompartment, int listIndex) {
    return fourCompartment ? listIndex + kFirstCompartmentType : listIndex;
}

std::string LengthText(int mm, bool english) {
    if (!english)
        return std::to_string(mm) + " mm";
    const int tenths = 10 * mm;
    const int whole = tenths / 254;
    const int remainder = tenths % 254;
    return std::to_string(whole) + "." + (remainder > 127 ? "5" : "0") + " inch";
}

DimensionTexts DimensionTextsFor(int type, bool english) {
    const MachineTypeRow &row = MachineTypeAt(type);
    return {"Offset : " + LengthText(row.offset, english),
            "Diameter drum : " + LengthText(DrumDiameter(type), english),
            "Diameter tub : " + LengthText(row.tubDiameter, english),
            "Depth tub : " + LengthText(row.tubDepth, english)};
}

HysteresisChoices HysteresisChoicesFor(bool english) {
    if (english)
        return {{"0", "1/2", "1"}, "inch", {"0", "2", "4", "6"}, DegreeText(true)};
    return {{"0", "1.5", "3"}, "cm", {"0", "1", "2", "3"}, DegreeText(false)};
}

std::string DegreeText(bool english) {
    return english ? "\xB0"
                     "F"
                   : "\xB0"
                     "C";
}

TempSpinnerRange TempSpinnerRangeFor(bool english) {
    return english ? TempSpinnerRange{50, 200, 2} : TempSpinnerRange{10, 90, 1};
}

int ConvertTempSpinner(int value, bool toEnglish) {
    const int converted = toEnglish ? CelsiusToFahrenheitEven(value) : FahrenheitToCelsius(value);
    const TempSpinnerRange range = TempSpinnerRangeFor(toEnglish);
    return std::clamp(converted, range.min, range.max);
}

namespace {

// The field's text as a whole number of litres per minute, when it is one.
std::optional<int> FlowFieldValue(const std::string &text) {
    constexpr std::size_t kMaxDigits = 6;
    if (text.empty() || text.size() > kMaxDigits)
        return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::atoi(text.c_str());
}

std::string TenthsText(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

} // namespace

std::optional<std::string> FlowText(bool english, const std::string &fieldText) {
    if (!english)
        return std::string("l");
    const std::optional<int> flow = FlowFieldValue(fieldText);
    if (!flow)
        return std::nullopt;
    const int us = LitresToUsGallons(10.0L * *flow);
    const int imperial = LitresToImperialGallons(10.0L * *flow);
    return "l (US gal.: " + TenthsText(us) + " - Imp. gal.: " + TenthsText(imperial) + " )";
}

GenerationCaptions GenerationCaptionsFor(int type) {
    if (IsCompartmentMachine(type))
        return {"Direct Fill", "Dual drain", false};
    return {"Aux Fill", "Valve", true};
}

BehaviourRows BehaviourRowsFor(int type) {
    const bool coin = IsCoinMachine(type);
    return {coin, !coin, !coin};
}

bool Drain1Enabled(bool fourCompartment, bool dualDrainDown) {
    return !(fourCompartment && dualDrainDown);
}

} // namespace korvanta
