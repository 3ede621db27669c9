#pragma once

#include <string>

#include "config/MachineConfig.h"
#include "model/WashRecord.h"

namespace korvanta {

// Heat and Soak records share their layout: Code1 a TempCode, Code2 hours 0..10, Code3
// minutes 0..59.
constexpr int kHeatSoakHoursMax = 10;

struct HeatSoakCodes {
    int tempCode = 0;
    int hours = 0;
    int minutes = 0;
};

// Gives a new record of the type (Heat or Soak) the codes of the editor's controls.
void SetHeatSoakCodes(WashRecord &record, RecordType type, const HeatSoakCodes &codes);

// "<word>  (<temperature>)": the word, a blank, and the temperature in parentheses after a
// second blank, as the step list has always shown these steps.
std::string HeatSoakDescription(const char *word, const WashRecord &step,
                                const MachineConfig &config);

} // namespace korvanta
