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
void HeatTowards(int64_t target, int64_t seconds, TubState &tub, const EstimateContext &ctx,
                 StepTrace *trace) {
    const int64_t volume = ctx.volumes.VolumeAt(tub.level);
    const int64_t from = tub.temperature;
    const int64_t reached = HeatTemperature(volume, ctx.heatWatts, from, seconds);
    if (reached < target) {
        tub.temperature = reached;
        tub.notReached = true;
    } else {
        tub.temperature = target;
    }
    // The water warms evenly until it reaches the target or the time is up; from then on the
    // temperature stays.
    if (trace != nullptr) {
        const int64_t warming =
            tub.notReached ? seconds
                           : std::min(seconds, HeatSeconds(volume, ctx.heatWatts, target - from));
        trace->Add(warming, tub.level, tub.temperature);
    }
}

// A fill lets water in at a steady flow for phase seconds; the level follows the volume through
// the tub's shape and the temperature the mix. mixedDl is the volume the rule mixes in at the
// end, so the curve meets the tub the rule leaves.
void TraceInflow(StepTrace &trace, const EstimateContext &ctx, const TubState &before,
                 const TubState &after, int64_t phase, int64_t flowLpm, int64_t inflowDl,
                 int64_t mixedDl, int64_t waterTemp) {
    const int64_t v0 = ctx.volumes.VolumeAt(before.level);
    trace.Curve(phase, [&](int64_t s) {
        const int64_t in = std::clamp<int64_t>(VolumeIn(s, flowLpm), 0, inflowDl);
        const int64_t mixed = inflowDl > 0 ? mixedDl * in / inflowDl : 0;
        return TubState{MixTemperature(v0, before.temperature, mixed, waterTemp),
                        ctx.volumes.LevelFor(v0 + in)};
    });
    trace.Add(phase, after.level, after.temperature);
}

int64_t CooldownSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx,
                        StepTrace *trace) {
    const int64_t limit = HoursMinutes(step, 6);
    const int64_t target = ByteCode(step, 2);
    if (trace != nullptr)
        trace->targetTemperature = target;
    if (tub.temperature <= target)
        return 0;
    const TubState before = tub;
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
    if (trace != nullptr) {
        // The cold inlet pulses: s seconds into the step it has been open s x 3 / 13 seconds.
        const int64_t flowLpm = ctx.supply.flowLpm;
        const int64_t inflow = volume - v0;
        const int64_t phase = tub.notReached ? limit : t;
        trace->Curve(phase, [&](int64_t s) {
            const int64_t in = std::clamp<int64_t>(
                VolumeIn((s * kCooldownOpen) / kCooldownCycle, flowLpm), 0, inflow);
            return TubState{MixTemperature(v0, before.temperature, in, cold),
                            ctx.volumes.LevelFor(v0 + in)};
        });
        trace->Add(phase, tub.level, tub.temperature);
    }
    return t;
}

} // namespace

EstimateContext::EstimateContext(const MachineConfig &config)
    : volumes(config.machineType), supply{config.coldInletTemp, config.hotInletTemp,
                                          config.flowRate},
      heatWatts(int64_t{config.heatKW} * 1000),
      spinDeceleration(std::max<int64_t>(1, MachineTypeAt(config.machineType).spinDeceleration)),
      compartmentMachine(IsCompartmentMachine(config.machineType)) {}

int64_t FillStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx,
                        StepTrace *trace) {
    const int64_t target = ByteCode(step, 3);
    if (trace != nullptr)
        trace->targetLevel = target;
    if (target <= tub.level)
        return 0;
    const TubState before = tub;
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
    // Water flows until the level is reached or the time-out ends the filling.
    if (trace != nullptr)
        TraceInflow(*trace, ctx, before, tub, std::min(t, limit), water.flowLpm, vt - v0, added,
                    water.temperature);
    // An overflow fill runs for its whole time; any other fill lasts until the level is
    // reached, even past its time-out.
    return target >= kMaxLevel ? limit : t;
}

int64_t WashStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx,
                        StepTrace *trace) {
    const int64_t mode = ByteCode(step, 1);
    if (mode == kWashCooldownMode)
        return CooldownSeconds(step, tub, ctx, trace);
    const int64_t duration = MinutesSeconds(step, 6);
    if (mode == kWashDrainMode) {
        if (trace != nullptr)
            trace->Emptying(tub, duration, ctx.volumes);
        tub.temperature = 0;
        tub.level = 0;
        return duration;
    }
    const int64_t target = ByteCode(step, 2);
    if (trace != nullptr && target != 0) // 0: the wash does not heat
        trace->targetTemperature = target;
    if (target > tub.temperature)
        HeatTowards(target, duration, tub, ctx, trace);
    return duration;
}

int64_t SupplyStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx,
                          StepTrace *trace) {
    int64_t t = MinutesSeconds(step, 3);
    const int compartments = static_cast<int>(ByteCode(step, 1));
    if (compartments == 0)
        return t;
    if (ctx.compartmentMachine && (compartments & kSupplyFlushedSoapBits) != 0)
        t = std::max<int64_t>(t, kSupplyMinimumSoapSeconds);
    const InletWater water = SupplyWater(compartments, ctx.compartmentMachine, ctx.supply);
    const int64_t added = VolumeIn(t, water.flowLpm);
    if (trace != nullptr) { // the same sums for the water let in so far
        const TubState before = tub;
        trace->Curve(t, [&](int64_t s) {
            const int64_t in = VolumeIn(s, water.flowLpm);
            return TubState{MixTemperature(ctx.volumes.VolumeAt(before.level), before.temperature,
                                           in, water.temperature),
                            std::min<int64_t>(kMaxLevel, before.level + ctx.volumes.LevelFor(in))};
        });
    }
    tub.temperature =
        MixTemperature(ctx.volumes.VolumeAt(tub.level), tub.temperature, added, water.temperature);
    tub.level = std::min<int64_t>(kMaxLevel, tub.level + ctx.volumes.LevelFor(added));
    return t;
}

int64_t DrainStepSeconds(TubState &tub, bool nextIsSpin, const EstimateContext &ctx,
                         StepTrace *trace) {
    if (nextIsSpin)
        return 0;
    const int64_t seconds = tub.level != 0 ? kDrainSeconds : kEmptyDrainSeconds;
    if (trace != nullptr)
        trace->Emptying(tub, seconds, ctx.volumes);
    tub.temperature = 0;
    tub.level = 0;
    return seconds;
}

int64_t SpinStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx,
                        bool previousIsSpin, bool nextIsSpin, StepTrace *trace) {
    const TubState before = tub;
    tub.temperature = 0;
    tub.level = 0;
    int64_t seconds = MinutesSeconds(step, 2);
    if (!previousIsSpin)
        seconds += kSpinRampSeconds;
    if (!nextIsSpin) // coasting down from the spin speed
        seconds += std::max(0, step.Code(1)) / ctx.spinDeceleration;
    // Water left by a drain before the spin is pumped out as a drain would, at the start.
    if (trace != nullptr)
        trace->Emptying(before, std::min(seconds, kDrainSeconds), ctx.volumes);
    return seconds;
}

int64_t SoakStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx,
                        StepTrace *trace) {
    const int64_t duration = HoursMinutes(step, 2);
    const int64_t target = ByteCode(step, 1);
    if (trace != nullptr && target != 0) // 0: the soak does not heat
        trace->targetTemperature = target;
    if (target > tub.temperature)
        HeatTowards(target, duration, tub, ctx, trace);
    return duration;
}

int64_t AuxStepSeconds(const WashRecord &step) {
    return ByteCode(step, 1) == kAuxSoftWashOutput ? 0 : MinutesSeconds(step, 2);
}

int64_t HeatStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx,
                        StepTrace *trace) {
    const int64_t target = ByteCode(step, 1);
    if (trace != nullptr && target != 0)
        trace->targetTemperature = target;
    if (target <= tub.temperature)
        return 0;
    const int64_t volume = ctx.volumes.VolumeAt(tub.level);
    // The heating runs until the target, even past its time-out; the tub only gets as warm as
    // the time-out allows.
    const int64_t seconds = HeatSeconds(volume, ctx.heatWatts, target - tub.temperature);
    HeatTowards(target, HoursMinutes(step, 2), tub, ctx, trace);
    return seconds;
}

} // namespace korvanta
