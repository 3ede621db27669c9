#pragma once

#include <cstdint>

namespace korvanta {

// The machine's water supply as the configuration gives it.
struct InletSupply {
    int64_t coldTemp = 0; // TempCode of the cold inlet water
    int64_t hotTemp = 0;  // TempCode of the hot inlet water
    int64_t flowLpm = 0;  // litres per minute through one inlet
};

// Water entering the tub: its temperature and the combined flow of the open inlets.
struct InletWater {
    int64_t temperature = 0; // TempCode
    int64_t flowLpm = 0;
};

// Flow when the cold and hot valves are driven towards the temperature target; extraInlet
// adds the auxiliary inlet. Never 0.
int64_t ControlledFlow(int64_t target, bool extraInlet, const InletSupply &supply);

// Water of a Fill step: inlet bits 0-1 and extra inlet bit 2 of Code1, temperature Code2.
InletWater FillWater(int inletCode, int tempCode, const InletSupply &supply);

// Water that flushes the soap compartments selected by the bits of a Supply step's Code1.
InletWater SupplyWater(int compartments, bool compartmentMachine, const InletSupply &supply);

} // namespace korvanta
