#pragma once

#include <vector>

#include "config/MachineConfig.h"
#include "model/WarningMarks.h"
#include "model/WashData.h"
#include "print/DrawOp.h"
#include "print/ReportRequest.h"
#include "print/TextWidth.h"

namespace korvanta {

// The printed report as draw operations: a page per chosen cycle, a two-column table of its
// steps under a heading row, and a configuration page when asked for. Every chosen cycle is
// estimated again, so Time and marks are renewed. Nothing is drawn outside the page; the cycle
// headings are fitted into their frame with the widths of the font they are printed in.
std::vector<DrawOp> PrintedReport(WashData &data, const MachineConfig &config, WarningMarks &marks,
                                  const ReportRequest &request, const ReportPage &page,
                                  const TextWidth &width);

} // namespace korvanta
