#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/MachineConfig.h"

namespace korvanta {

// One labelled mark on an axis of the cycle profile. value is in the axis's own quantity:
// level code, TempCode or seconds from the start of the cycle.
struct AxisTick {
    double value = 0;
    std::string label; // Windows-1252 bytes
};

// An axis of the cycle profile: it runs from 0 to maximum (same quantity as the ticks).
struct ProfileAxis {
    std::string title; // "Level (cm)", "Temperature (\260F)", "Time (min)"
    double maximum = 1;
    std::vector<AxisTick> ticks;
};

// Level in the unit the Fill editor shows (cm, or inch in English units), taller than
// highestLevel (a level code) and at least the Low level.
ProfileAxis LevelAxis(int64_t highestLevel, const MachineConfig &config);

// Temperature in degrees C, or F in English units, from 0 degrees C up to more than
// highestTemperature (a TempCode) and 40 degrees C.
ProfileAxis TemperatureAxis(int64_t highestTemperature, const MachineConfig &config);

// Time from the start to the end of the cycle (at least a minute): minutes, "m:ss" for a
// cycle of a few minutes, "h:mm" for one of more than two hours.
ProfileAxis TimeAxis(int64_t totalSeconds);

// What the cursor shows: "7.5 cm" / "5.6 inch", "40 \260C", "12:30".
std::string LevelReadout(int64_t levelCode, const MachineConfig &config);
std::string TemperatureReadout(int64_t tempCode, const MachineConfig &config);
std::string TimeReadout(int64_t seconds);

} // namespace korvanta
