#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "config/MachineConfig.h"
#include "estimate/CycleCourse.h"
#include "estimate/LevelVolumes.h"
#include "estimate/StepRemark.h"
#include "estimate/TubState.h"
#include "model/WarningMarks.h"
#include "model/WashData.h"

namespace korvanta {

// Estimates one cycle by simulating the water level and temperature in the configured
// machine's tub, starting empty and cold. cycleStartIndex is the index of the cycle's
// CycleStart record in data.
//
// Returns the cycle's total in seconds. Rewrites Time of every record of the cycle except
// CycleStart records; clears the cycle number's WarningMarks and marks each step whose level
// or temperature is missed (and each Soak or Heat step that leaves the tub empty). remark
// becomes the StepRemark of the step at ordinal currentStep (1 = first step after the
// CycleStart), or empty when currentStep is 0 or not inside this cycle.
//
// When course is not null it is cleared and receives each step's times, levels and
// temperatures from the same walk; null records nothing and allocates nothing.
//
// The walk ends at the cycle's CycleEnd, at a DataEnd or at the end of the list, whichever
// comes first. When the list holds fewer than two records, or cycleStartIndex is not a
// CycleStart, nothing is changed and the total is 0.
uint32_t EstimateCycle(WashData &data, std::size_t cycleStartIndex, const MachineConfig &config,
                       WarningMarks &marks, int currentStep, std::string &remark,
                       CycleCourse *course = nullptr);

} // namespace korvanta
