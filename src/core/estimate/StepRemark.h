#pragma once

#include <string>

#include "config/MachineConfig.h"
#include "estimate/TubState.h"
#include "model/WashRecord.h"

namespace korvanta {

// The warning that a step's editor shows in its remark label (lblFillRemark, lblWashRemark,
// lblSoakRemark, lblHeatRemark), from the tub as the step left it; Windows-1252 bytes. Empty
// when there is nothing to warn about and for step types whose editors have no remark label.
std::string StepRemark(const WashRecord &step, const TubState &after, const MachineConfig &config);

} // namespace korvanta
