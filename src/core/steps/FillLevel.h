#pragma once

#include <optional>
#include <string>

namespace korvanta {

// The water level of a Fill step (Code3) is a level code: fifths of an inch in English units,
// half centimetres in Metric units. The editor shows it as a whole part and one decimal digit.
struct FillLevelScale {
    int codesPerUnit; // 5 (inch) or 2 (cm)
    int decimalStep;  // tenths per code: 2 (inch) or 5 (cm)
    int wholeMax;     // Max of the whole-part field: 16 or 40
    const char *unit; // "inch" or "cm"
};

const FillLevelScale &FillLevelScaleFor(bool english);

constexpr int kFillLevelLow = 12;
constexpr int kFillLevelMed = 20;
constexpr int kFillLevelHigh = 28;
constexpr int kFillLevelOver = 80;  // overflow: the step's time is a running time, not a timeout
constexpr int kFillLevelLowest = 1; // a whole part of 0 is stored as this code

enum class FillLevelButton { Low, Med, High, Over };

struct FillLevelFields {
    int whole;
    int decimal; // tenths of the unit
};

FillLevelFields FillLevelToFields(int levelCode, const FillLevelScale &scale);

// The level store: a whole part at Max clears the decimal digit (reported back in fields), a
// whole part of 0 gives the lowest level; otherwise whole and decimal give the code.
int FillLevelStore(FillLevelFields &fields, const FillLevelScale &scale);

// What a level button puts into the fields before the level store runs.
FillLevelFields FillLevelButtonFields(FillLevelButton button, const FillLevelScale &scale);
int FillLevelButtonCode(FillLevelButton button);
// The button that shows a level code, if any.
std::optional<FillLevelButton> FillLevelButtonFor(int levelCode);

// "7.5 cm" / "5.6 inch".
std::string FillLevelText(int levelCode, const FillLevelScale &scale);

} // namespace korvanta
