#pragma once

#include <string>

#include "config/MachineConfig.h"
#include "model/WarningMarks.h"
#include "model/WashData.h"
#include "print/ReportRequest.h"

namespace korvanta {

// The tab-separated text report of "Print to file", as the bytes of the file: Windows-1252
// with CR LF line ends. Every chosen cycle is estimated again, so Time and marks are renewed.
std::string TextReport(WashData &data, const MachineConfig &config, WarningMarks &marks,
                       const ReportRequest &request);

} // namespace korvanta
