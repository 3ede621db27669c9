#include "estimate/ProfileAxes.h"

#include <algorithm>
#include <array>
#include <limits>

#include "estimate/LevelVolumes.h"
#include "model/Conversions.h"
#include "model/DurationText.h"
#include "steps/FillLevel.h"
#include "steps/TempScale.h"

namespace korvanta {

namespace {

constexpr int kMaxTicks = 6;          // labelled marks on a value axis, besides 0
constexpr int kMaxTimeTicks = 8;      // labelled marks on the time axis, besides 0
constexpr int kLowestTopCelsius = 40; // a cold cycle still shows the usual wash range
constexpr int64_t kShortCycleSeconds = 180;
constexpr int64_t kLongCycleSeconds = 7200;

// The smallest of 1, 2, 5, 10, 20, 50 ... that covers span in at most ticks steps.
int NiceStep(int span, int ticks) {
    for (int decade = 1;; decade *= 10)
        for (int factor : {1, 2, 5})
            if (span <= factor * decade * ticks)
                return factor * decade;
}

int RoundUp(int value, int step) {
    return (value + step - 1) / step * step;
}

std::string TwoDigits(int64_t value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

ProfileAxis LevelAxis(int64_t highestLevel, const MachineConfig &config) {
    const FillLevelScale &scale = FillLevelScaleFor(config.English());
    const int64_t highest = std::clamp<int64_t>(highestLevel, kFillLevelLow, kMaxLevel);
    const int units = static_cast<int>((highest + scale.codesPerUnit - 1) /
                                       scale.codesPerUnit); // whole units, rounded up
    const int step = NiceStep(units, kMaxTicks);
    int top = RoundUp(units, step);
    if (top * scale.codesPerUnit <= highest) // keep the highest water off the frame
        top += step;
    ProfileAxis axis{std::string("Level (") + scale.unit + ")",
                     static_cast<double>(top * scale.codesPerUnit),
                     {}};
    for (int value = 0; value <= top; value += step)
        axis.ticks.push_back(
            {static_cast<double>(value * scale.codesPerUnit), std::to_string(value)});
    return axis;
}

ProfileAxis TemperatureAxis(int64_t highestTemperature, const MachineConfig &config) {
    const int highestCode = static_cast<int>(
        std::clamp<int64_t>(highestTemperature, CelsiusToCode(kLowestTopCelsius), 255));
    const bool english = config.English();
    // Degrees of the display unit, counted from the freezing point where the axis starts.
    const int bottom = english ? CodeToFahrenheit(0) : 0;
    const int span = TempCodeToDegrees(highestCode, config) - bottom;
    const int step = NiceStep(span, kMaxTicks);
    const auto code = [&](int degrees) {
        return english ? FahrenheitToCode(degrees) : CelsiusToCode(degrees);
    };
    int top = RoundUp(bottom + span, step);
    if (code(top) <= highestCode) // keep the warmest water off the frame
        top += step;
    ProfileAxis axis{std::string("Temperature (") + TempScaleFor(config).unit + ")",
                     static_cast<double>(code(top)),
                     {}};
    for (int degrees = RoundUp(bottom, step); degrees <= top; degrees += step)
        axis.ticks.push_back({static_cast<double>(code(degrees)), std::to_string(degrees)});
    return axis;
}

ProfileAxis TimeAxis(int64_t totalSeconds) {
    constexpr std::array<int64_t, 14> kSteps = {15,   30,   60,   120,  300,   600,   900,
                                                1200, 1800, 3600, 7200, 10800, 21600, 43200};
    const int64_t total = std::max<int64_t>(totalSeconds, 60);
    int64_t step = kSteps.back();
    for (int64_t candidate : kSteps)
        if (total <= candidate * kMaxTimeTicks) {
            step = candidate;
            break;
        }
    while (total > step * kMaxTimeTicks) // beyond the table: whole days and more
        step *= 2;
    const bool shortCycle = total <= kShortCycleSeconds;
    const bool longCycle = total > kLongCycleSeconds;
    ProfileAxis axis{shortCycle  ? "Time (m:ss)"
                     : longCycle ? "Time (h:mm)"
                                 : "Time (min)",
                     static_cast<double>(total),
                     {}};
    for (int64_t s = 0; s <= total; s += step) {
        std::string label;
        if (shortCycle)
            label = std::to_string(s / 60) + ":" + TwoDigits(s % 60);
        else if (longCycle)
            label = std::to_string(s / 3600) + ":" + TwoDigits(s / 60 % 60);
        else
            label = std::to_string(s / 60);
        axis.ticks.push_back({static_cast<double>(s), label});
    }
    return axis;
}

std::string LevelReadout(int64_t levelCode, const MachineConfig &config) {
    const int code = static_cast<int>(std::clamp<int64_t>(levelCode, 0, kMaxLevel));
    return FillLevelText(code, FillLevelScaleFor(config.English()));
}

std::string TemperatureReadout(int64_t tempCode, const MachineConfig &config) {
    return TempCodeText(static_cast<int>(std::clamp<int64_t>(tempCode, 0, 255)), config);
}

std::string TimeReadout(int64_t seconds) {
    return DurationText(static_cast<uint32_t>(
        std::clamp<int64_t>(seconds, 0, std::numeric_limits<uint32_t>::max())));
}

} // namespace korvanta
