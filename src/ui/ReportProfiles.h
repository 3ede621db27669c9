#pragma once

#include "config/MachineConfig.h"
#include "model/WashData.h"
#include "ui/ReportPainter.h"

namespace korvanta {

// Draws the profiles of a printed report: each cycle is estimated again into its course, as
// the report estimated it for its durations, and painted by the cycle profile's painter. data
// and config must outlive the drawer.
ProfileDrawer ReportProfileDrawer(WashData &data, const MachineConfig &config);

} // namespace korvanta
