#include "steps/WashStep.h"

#include <algorithm>

#include "steps/StepDescription.h"
#include "steps/TempScale.h"

namespace korvanta {

namespace {

constexpr std::array<WashMode, kWashModeCount> kModes{{
    {"Wash 1", 18, 3},
    {"Wash 2", 3, 27},
    {"Wash 3", 0, 0},
    {"Wash 4", 10, 20},
    {"Wash 5, cooldown", 18, 3},
    {"Wash 6", 4, 56},
    {"Wash 7, drain", 0, 0},
}};

constexpr WashTimeCaptions kMinutes{"min", "sec", {"3:00", "5:00", "7:00"}};
constexpr WashTimeCaptions kHours{"hour", "min", {"0h15", "0h30", "0h45"}};

std::string AgitationText(int agitation, int pause) {
    if (agitation == 0)
        return ", no agitation";
    if (pause != 0)
        return " " + std::to_string(agitation) + "/" + std::to_string(pause);
    return ", no reverse";
}

} // namespace

const WashMode *WashModeAt(int mode) {
    if (mode < 1 || mode > kWashModeCount)
        return nullptr;
    return &kModes[static_cast<std::size_t>(mode - 1)];
}

bool WashModeHeats(int mode) {
    return mode != kWashDrainMode;
}
bool WashModeAllowsNoReverse(int mode) {
    return mode == kWashNoReverseMode;
}
bool WashTimeInHours(int mode) {
    return mode == kWashCooldownMode;
}

const WashTimeCaptions &WashTimeCaptionsFor(int mode) {
    return WashTimeInHours(mode) ? kHours : kMinutes;
}

WashTime WashTimePreset(int index, bool hours) {
    const int i = std::clamp(index, 0, 2);
    if (hours)
        return {0, 15 * (i + 1)};
    return {3 + 2 * i, 0};
}

int WashPauseOnExit(std::optional<int> typed) {
    const int pause = typed.value_or(0);
    if (pause > 0 && pause < kWashShortestPause)
        return kWashShortestPause;
    return pause;
}

int WashPauseArrow(int pause, bool up) {
    if (up)
        return pause < kWashShortestPause ? kWashShortestPause : std::min(pause + 1, kWashPauseMax);
    return pause <= kWashShortestPause ? kWashPauseMin : pause - 1;
}

bool WashNoReverseState(int agitation, int pause) {
    return agitation != 0 && pause == 0;
}

int WashPauseOnNoReverse(bool checked, int storedPause) {
    if (checked)
        return 0;
    return storedPause != 0 ? storedPause : kWashPauseAfterNoReverse;
}

void WashNewStepCodes(WashRecord &record, const WashTemplate &controls) {
    record.type = RecordType::Wash;
    record.codes = {};
    const int codes[] = {controls.mode,  controls.tempCode, controls.agitation, controls.pause,
                         controls.speed, controls.larger,   controls.smaller};
    for (int n = 1; n <= kMaxCodes; ++n)
        record.SetCode(n, codes[n - 1]);
    record.time = 0;
}

std::string WashStepDescription(const WashRecord &step, const MachineConfig &config) {
    const WashMode *mode = WashModeAt(step.Code(1));
    std::string text = mode ? mode->text : "Unknown Wash Mode";
    text += AgitationText(step.Code(3), step.Code(4));
    return text + " (" + TempCodeText(step.Code(2), config) + ")";
}

} // namespace korvanta
