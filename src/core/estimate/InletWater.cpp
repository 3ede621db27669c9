#include "estimate/InletWater.h"

#include "steps/FillStep.h"

namespace korvanta {

namespace {

// Compartment bits flushed with hot and with cold water, per soap supply generation.
constexpr int kFourCompartmentHot = 0x01 | 0x02 | 0x10;
constexpr int kFourCompartmentCold = 0x04 | 0x08 | 0x20;
constexpr int kThreeCompartmentHot = 0x02;
constexpr int kThreeCompartmentCold = 0x01 | 0x04;

// Flow of the cold inlet below the controlled target (the extra inlet runs with it).
int64_t ColdSideFlow(bool extraInlet, int64_t flow) {
    return extraInlet ? 2 * flow : flow;
}

int64_t MixedValveFlow(int64_t target, bool extraInlet, const InletSupply &s) {
    const int64_t mid =
        extraInlet ? (s.hotTemp + 2 * s.coldTemp) / 3 : (s.hotTemp + s.coldTemp) / 2;
    int64_t cold = 0;
    int64_t hot = 0;
    if (target >= mid) {
        // Target equal to the cold water while the hot water is barely warmer: only cold water
        // is needed, as below the cold temperature (and the cold share would divide by zero).
        if (target == s.coldTemp)
            return ColdSideFlow(extraInlet, s.flowLpm);
        hot = s.flowLpm;
        cold = ((s.hotTemp - target) * s.flowLpm) / (target - s.coldTemp);
    } else {
        cold = ColdSideFlow(extraInlet, s.flowLpm);
        hot = ((target - s.coldTemp) * cold) / (s.hotTemp - target);
    }
    return ((cold + hot) * 2) / 3;
}

} // namespace

int64_t ControlledFlow(int64_t target, bool extraInlet, const InletSupply &supply) {
    int64_t flow = 0;
    if (target > supply.hotTemp)
        flow = supply.flowLpm;
    else if (target < supply.coldTemp)
        flow = ColdSideFlow(extraInlet, supply.flowLpm);
    else if (supply.hotTemp == supply.coldTemp && supply.coldTemp == target)
        flow = (extraInlet ? 3 : 2) * supply.flowLpm;
    else
        flow = MixedValveFlow(target, extraInlet, supply);
    return flow == 0 ? 1 : flow;
}

InletWater FillWater(int inletCode, int tempCode, const InletSupply &supply) {
    const bool extra = (inletCode & kFillAuxInlet) != 0;
    const int64_t c = supply.coldTemp;
    const int64_t h = supply.hotTemp;
    const int64_t f = supply.flowLpm;
    switch (static_cast<FillInlet>(inletCode & kFillInletMask)) {
    case FillInlet::Controlled:
        if (extra && tempCode == kFillNoTemperature)
            return {c, f}; // the extra inlet alone
        return {tempCode, ControlledFlow(tempCode, extra, supply)};
    case FillInlet::Cold:
        return {c, extra ? 2 * f : f};
    case FillInlet::Hot:
        return {extra ? (c + h) / 2 : h, extra ? 2 * f : f};
    default: // FillInlet::Warm
        return {extra ? (2 * c + h) / 3 : (c + h) / 2, extra ? 3 * f : 2 * f};
    }
}

InletWater SupplyWater(int compartments, bool compartmentMachine, const InletSupply &supply) {
    const int hotBits = compartmentMachine ? kFourCompartmentHot : kThreeCompartmentHot;
    const int coldBits = compartmentMachine ? kFourCompartmentCold : kThreeCompartmentCold;
    const bool hot = (compartments & hotBits) != 0;
    const bool cold = (compartments & coldBits) != 0;
    const int64_t kinds = (hot ? 1 : 0) + (cold ? 1 : 0);
    if (kinds == 0)
        return {supply.coldTemp, 0};
    const int64_t sum = (hot ? supply.hotTemp : 0) + (cold ? supply.coldTemp : 0);
    return {sum / kinds, kinds * supply.flowLpm};
}

} // namespace korvanta
