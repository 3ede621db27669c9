#pragma once

#include <cstdint>
#include <string>

namespace korvanta {

constexpr int kMachineTypeCount = 28;
constexpr int kFirstCompartmentType = 18; // 18..27: 4-compartment soap supply generation

struct MachineTypeRow {
    char designation[9];       // shown in the type lists and the report
    uint8_t dimensionRow;      // row used for the DrumDiameter and MaxSpinSpeed lookups
    uint16_t drumDiameter;     // mm, inner drum diameter
    uint16_t tubDiameter;      // mm, diameter of the horizontal cylindrical tub
    uint16_t tubDepth;         // mm, length of the tub cylinder
    int16_t offset;            // mm, shown only
    uint16_t maxSpinSpeed;     // rpm
    uint16_t spinDeceleration; // rpm per second, coast-down after a spin
    uint16_t levelBase;        // mm added to every nonzero water level before its volume
    uint8_t compartmentMachine; // 1 = 4-compartment soap supply
    uint8_t coinMachine;        // 1 = coin-operated
};

// The row of a type. Types are 0..27 everywhere (the file reader refuses others); an index
// outside that range is clamped so that a lookup can never leave the table.
const MachineTypeRow &MachineTypeAt(int type);

// The type's designation as text (the stored field is zero-terminated within 9 bytes).
std::string Designation(int type);

uint16_t DrumDiameter(int type); // through DimensionRow
uint16_t MaxSpinSpeed(int type); // through DimensionRow
bool IsCompartmentMachine(int type);
bool IsCoinMachine(int type);

// Drum speed in rpm at which the load sees about half the acceleration of gravity.
int NormalWashSpeed(int type);
// Half of that speed (the half taken before truncating).
int GentleWashSpeed(int type);

} // namespace korvanta
