#include "config/MachineTypeTable.h"

#include <array>
#include <cmath>
#include <cstring>

namespace korvanta {

namespace {

// clang-format off
constexpr std::array<MachineTypeRow, kMachineTypeCount> kTable{{
    {"Type 00",  0,  530,  590,  405,   50, 1000, 15,  50, 0, 0},
    {"Type 01",  1,  530,  590,  490,   50, 1000, 15,  50, 0, 0},
    {"Type 02",  2,  650,  710,  555,   90, 1000, 10,  90, 0, 0},
    {"Type 03",  3,  750,  815,  600,   70, 1000,  8,  70, 0, 0},
    {"Type 04",  4,  850,  940,  600,  110, 1000,  8, 110, 0, 0},
    {"Type 05",  5,  980, 1050,  680,  140,  800,  8, 140, 0, 0},
    {"Type 06",  6,  980, 1050,  860,  140,  800,  8, 140, 0, 0},
    {"Type 07",  7, 1095, 1155,  860,  120,  750,  8, 115, 0, 0},
    {"Type 08",  8,  530,  590,  405,  -90, 1000, 15,  50, 0, 1},
    {"Type 09",  9,  650,  710,  465,  -90, 1000, 15,  90, 0, 1},
    {"Type 10", 10,  530,  590,  405,  -90, 1000, 15,  50, 0, 0},
    {"Type 11", 11,  530,  590,  490,  -90, 1000, 15,  50, 0, 0},
    {"Type 12", 12,  650,  710,  555,  -90, 1000, 15,  90, 0, 0},
    {"Type 13", 13, 1095, 1155, 1040,  115,  750,  8, 115, 0, 0},
    {"Type 14", 14,  650,  710,  455,  -90, 1000, 15,  90, 0, 0},
    {"Type 15", 15,  680,  735,  550,  -90, 1000, 15,  85, 0, 0},
    {"Type 16", 16,  650,  710,  455,  -90, 1000, 15,  90, 0, 1},
    {"Type 17", 17,  680,  735,  500,  -90, 1000, 15,  85, 0, 1},
    {"Type 18", 18,  530,  590,  380,  -90, 1000, 15,  70, 1, 0},
    {"Type 19", 19,  530,  590,  480,  -90, 1000, 15,  70, 1, 0},
    {"Type 20", 20,  650,  710,  565, -115, 1000,  8,  90, 1, 0},
    {"Type 21", 21,  750,  820,  600, -175, 1000,  5,  90, 1, 0},
    {"Type 22", 22,  850,  930,  600, -175, 1000,  5, 110, 1, 0},
    {"Type 23", 23,  530,  590,  380,  -90, 1000, 15,  70, 1, 1},
    {"Type 24", 24,  650,  710,  465, -115, 1000, 15,  90, 1, 1},
    {"Type 25", 25,  650,  710,  565, -115, 1000, 15,  90, 1, 1},
    {"Type 26", 26,  750,  820,  500, -175, 1000,  5,  90, 1, 0},
    {"Type 27", 27,  750,  820,  500, -175, 1000,  5,  90, 1, 1},
}};
// clang-format on

int Clamp(int type) {
    if (type < 0)
        return 0;
    return type >= kMachineTypeCount ? kMachineTypeCount - 1 : type;
}

double WashSpeedRoot(int type) { return std::sqrt(896050.0 / DrumDiameter(type)); }

} // namespace

const MachineTypeRow &MachineTypeAt(int type) { return kTable[static_cast<std::size_t>(Clamp(type))]; }

std::string Designation(int type) {
    const char *text = MachineTypeAt(type).designation;
    return std::string(text, strnlen(text, sizeof MachineTypeRow::designation));
}

uint16_t DrumDiameter(int type) { return MachineTypeAt(MachineTypeAt(type).dimensionRow).drumDiameter; }

uint16_t MaxSpinSpeed(int type) { return MachineTypeAt(MachineTypeAt(type).dimensionRow).maxSpinSpeed; }

bool IsCompartmentMachine(int type) { return MachineTypeAt(type).compartmentMachine == 1; }

bool IsCoinMachine(int type) { return MachineTypeAt(type).coinMachine == 1; }

int NormalWashSpeed(int type) { return static_cast<int>(WashSpeedRoot(type)); }

int GentleWashSpeed(int type) { return static_cast<int>(WashSpeedRoot(type) / 2.0); }

} // namespace korvanta
