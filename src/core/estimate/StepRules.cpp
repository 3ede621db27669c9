#include "estimate/StepRules.h"

#include <algorithm>

#include "config/MachineTypeTable.h"
#include "estimate/WaterFormulas.h"
#include "steps/AuxStep.h"
#include "steps/SupplyStep.h"
#include "steps/WashStep.h"

namespace korvanta {

namespace {

constexpr int64_t kSpinRampSeconds = 84;   // run-up of a spin that does not follow a spin
constexpr int64_t kDrainSeconds = 60;      // draining a tub that holds water
constexpr int64_t kEmptyDrainSeconds = 15; // draining an empty tub
// The cool-down's cold inlet is open for only 3 of every 13 seconds of the step.
constexpr int64_t kCooldownCycle = 13;
constexpr int64_t kCooldownOpen = 3;

// Codes are bytes; clamping keeps the arithmetic non-negative whatever a record holds.
int64_t ByteCode(const WashRecord &step, int n) {
    return std::clamp(step.Code(n), 0, 255);
}

int64_t MinutesSeconds(const WashRecord &step, int minutesCode) {
    return 60 * ByteCode(step, minutesCode) + ByteCode(step, minutesCode + 1);
}

int64_t HoursMinutes(const WashRecord &step, int hoursCode) {
    return 3600 * ByteCode(step, hoursCode) + 60 * ByteCode(step, hoursCode + 1);
}

// Heats the tub towards target for a time; misses it when the time or the heating is short.
void HeatTowards(int64_t target, int64_t seconds, TubState &tub, const EstimateContext &ctx) {
    const int64_t volume = ctx.volumes.VolumeAt(tub.level);
    const int64_t reached = HeatTemperature(volume, ctx.heatWatts, tub.temperature, seconds);
    if (reached < target) {
        tub.temperature = reached;
        tub.notReached = true;
    } else {
        tub.temperature = target;
    }
}

int64_t CooldownSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx) {
    const int64_t limit = HoursMinutes(step, 6);
    const int64_t target = ByteCode(step, 2);
    if (tub.temperature <= target)
        return 0;
    const int64_t cold = ctx.supply.coldTemp;
    const int64_t v0 = ctx.volumes.VolumeAt(tub.level);
    const int64_t needed = ColdNeeded(v0, tub.temperature, cold, target);
    const int64_t t =
        (FillSeconds(needed - v0, ctx.supply.flowLpm) * kCooldownCycle) / kCooldownOpen;
    int64_t volume = needed;
    if (t > limit) {
        const int64_t added =
            VolumeIn((limit * kCooldownOpen) / kCooldownCycle, ctx.supply.flowLpm);
        volume = v0 + added;
        tub.temperature = MixTemperature(v0, tub.temperature, added, cold);
        tub.notReached = true;
    } else {
        tub.temperature = target;
    }
    tub.level = ctx.volumes.LevelFor(volume);
    return t;
}

} // namespace

EstimateContext::EstimateContext(const MachineConfig &config)
    : volumes(config.machineType), supply{config.coldInletTemp, config.hotInletTemp,
                                          config.flowRate},
      heatWatts(int64_t{config.heatKW} * 1000),
      spinDeceleration(std::max<int64_t>(1, MachineTypeAt(config.machineType).spinDeceleration)),
      compartmentMachine(IsCompartmentMachine(config.machineType)) {}

int64_t FillStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx) {
    const int64_t target = ByteCode(step, 3);
    if (target <= tub.level)
        return 0;
    const int64_t limit = MinutesSeconds(step, 4);
    const InletWater water = FillWater(static_cast<int>(ByteCode(step, 1)),
                                       static_cast<int>(ByteCode(step, 2)), ctx.supply);
    const int64_t v0 = ctx.volumes.VolumeAt(tub.level);
    int64_t vt = ctx.volumes.VolumeAt(target);
    int64_t added = ctx.volumes.VolumeAt(target - tub.level);
    const int64_t t = FillSeconds(vt - v0, water.flowLpm);
    if (t > limit) {
        added = VolumeIn(limit, water.flowLpm);
        vt = v0 + added;
        tub.notReached = true;
    }
    tub.level = ctx.volumes.LevelFor(vt);
    tub.temperature = MixTemperature(v0, tub.temperature, added, water.temperature);
    // An overflow fill runs for its whole time; any other fill lasts until the level is
    // reached, even past its time-out.
    return target >= kMaxLevel ? limit : t;
}

int64_t WashStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx) {
    const int64_t mode = ByteCode(step, 1);
    if (mode == kWashCooldownMode)
        return CooldownSeconds(step, tub, ctx);
    const int64_t duration = MinutesSeconds(step, 6);
    if (mode == kWashDrainMode) {
        tub.temperature = 0;
        tub.level = 0;
        return duration;
    }
    const int64_t target = ByteCode(step, 2);
    if (target > tub.temperature)
        HeatTowards(target, duration, tub, ctx);
    return duration;
}

int64_t SupplyStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx) {
    int64_t t = MinutesSeconds(step, 3);
    const int compartments = static_cast<int>(ByteCode(step, 1));
    if (compartments == 0)
        return t;
    if (ctx.compartmentMachine && (compartments & kSupplyFlushedSoapBits) != 0)
        t = std::max<int64_t>(t, kSupplyMinimumSoapSeconds);
    const InletWater water = SupplyWater(compartments, ctx.compartmentMachine, ctx.supply);
    const int64_t added = VolumeIn(t, water.flowLpm);
    tub.temperature =
        MixTemperature(ctx.volumes.VolumeAt(tub.level), tub.temperature, added, water.temperature);
    tub.level = std::min<int64_t>(kMaxLevel, tub.level + ctx.volumes.LevelFor(added));
    return t;
}

int64_t DrainStepSeconds(TubState &tub, bool nextIsSpin) {
    if (nextIsSpin)
        return 0;
    const int64_t seconds = tub.level != 0 ? kDrainSeconds : kEmptyDrainSeconds;
    tub.temperature = 0;
    tub.level = 0;
    return seconds;
}

int64_t SpinStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx,
                        bool previousIsSpin, bool nextIsSpin) {
    tub.temperature = 0;
    tub.level = 0;
    int64_t seconds = MinutesSeconds(step, 2);
    if (!previousIsSpin)
        seconds += kSpinRampSeconds;
    if (!nextIsSpin) // coasting down from the spin speed
        seconds += std::max(0, step.Code(1)) / ctx.spinDeceleration;
    return seconds;
}

int64_t SoakStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx) {
    const int64_t duration = HoursMinutes(step, 2);
    const int64_t target = ByteCode(step, 1);
    if (target > tub.temperature)
        HeatTowards(target, duration, tub, ctx);
    return duration;
}

int64_t AuxStepSeconds(const WashRecord &step) {
    return ByteCode(step, 1) == kAuxSoftWashOutput ? 0 : MinutesSeconds(step, 2);
}

int64_t HeatStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx) {
    const int64_t target = ByteCode(step, 1);
    if (target <= tub.temperature)
        return 0;
    const int64_t volume = ctx.volumes.VolumeAt(tub.level);
    // The heating runs until the target, even past its time-out; the tub only gets as warm as
    // the time-out allows.
    const int64_t seconds = HeatSeconds(volume, ctx.heatWatts, target - tub.temperature);
    HeatTowards(target, HoursMinutes(step, 2), tub, ctx);
    return seconds;
}

} // namespace korvanta
