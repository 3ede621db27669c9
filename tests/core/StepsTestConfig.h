#pragma once

#include <cstdint>

#include "config/MachineConfig.h"

namespace korvanta::testing {

// A configuration of the default machine type (a 4-compartment one) unless a type is given,
// in English or Metric display units.
inline MachineConfig UnitsConfig(bool english, int machineType = MachineConfig{}.machineType) {
    MachineConfig config;
    config.machineType = static_cast<uint8_t>(machineType);
    config.units = english ? 1 : 0;
    return config;
}

} // namespace korvanta::testing
