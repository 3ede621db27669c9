#pragma once

#include <cstdint>

#include "config/MachineConfig.h"
#include "estimate/InletWater.h"
#include "estimate/LevelVolumes.h"
#include "estimate/StepTrace.h"
#include "estimate/TubState.h"
#include "model/WashRecord.h"

namespace korvanta {

// What the rules of the steps read from the configured machine; built once per estimate.
struct EstimateContext {
    explicit EstimateContext(const MachineConfig &config);

    LevelVolumes volumes;
    InletSupply supply;
    int64_t heatWatts = 0;        // W, 0 = no heat source
    int64_t spinDeceleration = 1; // rpm per second, coast-down after a spin
    bool compartmentMachine = false;
};

// One rule per step type: each reads the step's codes, updates the tub and returns the step's
// duration in seconds. The caller clears tub.notReached before each step. When trace is not
// null the rule also records its target and the tub between its start and its end, from the
// same formulas that give its duration.
int64_t FillStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx,
                        StepTrace *trace);
int64_t WashStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx,
                        StepTrace *trace);
int64_t SupplyStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx,
                          StepTrace *trace);
// A drain right before a spin leaves the water to the spin, which empties the tub.
int64_t DrainStepSeconds(TubState &tub, bool nextIsSpin, const EstimateContext &ctx,
                         StepTrace *trace);
int64_t SpinStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx,
                        bool previousIsSpin, bool nextIsSpin, StepTrace *trace);
int64_t SoakStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx,
                        StepTrace *trace);
int64_t AuxStepSeconds(const WashRecord &step);
int64_t HeatStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx,
                        StepTrace *trace);

// The rules without a trace, for callers that want the duration and the tub only.
inline int64_t FillStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx) {
    return FillStepSeconds(step, tub, ctx, nullptr);
}
inline int64_t WashStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx) {
    return WashStepSeconds(step, tub, ctx, nullptr);
}
inline int64_t SupplyStepSeconds(const WashRecord &step, TubState &tub,
                                 const EstimateContext &ctx) {
    return SupplyStepSeconds(step, tub, ctx, nullptr);
}
inline int64_t SoakStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx) {
    return SoakStepSeconds(step, tub, ctx, nullptr);
}
inline int64_t HeatStepSeconds(const WashRecord &step, TubState &tub, const EstimateContext &ctx) {
    return HeatStepSeconds(step, tub, ctx, nullptr);
}

} // namespace korvanta
