#pragma once

#include "config/MachineConfig.h"
#include "model/WashData.h"

namespace korvanta {

// The wash data the guide's pictures show: four everyday cycles of a laundry on a compartment
// machine, every step type among them.
WashData GuideSampleData();
// The machine those cycles are written for.
MachineConfig GuideSampleConfig();

} // namespace korvanta
