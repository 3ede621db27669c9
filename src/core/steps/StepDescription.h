#pragma once

#include <string>

#include "config/MachineConfig.h"
#include "model/WashRecord.h"

namespace korvanta {

// One-line description of a step as the step list shows it (Windows-1252 bytes), in the
// display units of the configuration. Each step type's module implements its own function.
std::string StepDescription(const WashRecord &step, const MachineConfig &config);

std::string FillStepDescription(const WashRecord &step, const MachineConfig &config);
std::string WashStepDescription(const WashRecord &step, const MachineConfig &config);
std::string SupplyStepDescription(const WashRecord &step, const MachineConfig &config);
std::string DrainStepDescription(const WashRecord &step, const MachineConfig &config);
std::string SpinStepDescription(const WashRecord &step, const MachineConfig &config);
std::string SoakStepDescription(const WashRecord &step, const MachineConfig &config);
std::string AuxStepDescription(const WashRecord &step, const MachineConfig &config);
std::string HeatStepDescription(const WashRecord &step, const MachineConfig &config);

} // namespace korvanta
