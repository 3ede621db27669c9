#pragma once

#include <array>
#include <optional>

#include "config/MachineConfig.h"
#include "model/WashRecord.h"

namespace korvanta {

// Codes of a Wash record: Code1 mode 1..7, Code2 TempCode, Code3 agitation (seconds of turning),
// Code4 pause (seconds, 0 = no reversing), Code5 drum speed (rpm), Code6/Code7 the time in
// minutes and seconds (hours and minutes in mode 5).
constexpr int kWashModeCount = 7;
constexpr int kWashCooldownMode = 5;  // counts its time in hours and minutes
constexpr int kWashDrainMode = 7;     // never heats
constexpr int kWashNoReverseMode = 1; // the only mode in which "No reverse" can be changed

struct WashMode {
    const char *text; // description text
    int agitation;    // preset, seconds
    int pause;        // preset, seconds
};

// The mode of Code1, or nullptr for a code outside 1..7.
const WashMode *WashModeAt(int mode);

bool WashModeHeats(int mode);
bool WashModeAllowsNoReverse(int mode);
bool WashTimeInHours(int mode);

struct WashTimeCaptions {
    const char *larger;  // "min" or "hour"
    const char *smaller; // "sec" or "min"
    std::array<const char *, 3> presets;
};
const WashTimeCaptions &WashTimeCaptionsFor(int mode);

struct WashTime {
    int larger;
    int smaller;
};
// The three time presets (index 0..2): 3, 5, 7 minutes, or a quarter, half and three quarters
// of an hour in the cooldown mode.
WashTime WashTimePreset(int index, bool hours);

constexpr int kWashPauseMin = 0;
constexpr int kWashPauseMax = 60;
constexpr int kWashShortestPause = 3;       // pauses of 1 and 2 s are not offered
constexpr int kWashPauseAfterNoReverse = 2; // unchecking "No reverse" with no pause stored
constexpr int kWashSpeedMin = 10;
constexpr int kWashSpeedMax = 50;

// Leaving the pause box: empty or 0 gives 0, 1 and 2 give 3, other values stay.
int WashPauseOnExit(std::optional<int> typed);
// An arrow press on the pause: up from below 3 gives 3, down from 3 or below gives 0.
int WashPauseArrow(int pause, bool up);
// "No reverse" is checked after an agitation or pause store exactly when this holds.
bool WashNoReverseState(int agitation, int pause);
// The pause after "No reverse" changed state: 0 when checked; when unchecked the stored
// pause, or 2 seconds when none is stored.
int WashPauseOnNoReverse(bool checked, int storedPause);

// The controls a new Wash step copies.
struct WashTemplate {
    int mode = 1;
    int tempCode = 0;
    int agitation = 0;
    int pause = 0;
    int speed = 0;
    int larger = 0;
    int smaller = 0;
};
void WashNewStepCodes(WashRecord &record, const WashTemplate &controls);

} // namespace korvanta
