#pragma once

#include <string>

#include "config/MachineConfig.h"
#include "model/UserMessage.h"
#include "model/WarningMarks.h"
#include "model/WashData.h"
#include "print/ReportRequest.h"

namespace korvanta {

// The tab-separated text report of "Print to file", as the bytes of the file: Windows-1252
// with CR LF line ends. Every chosen cycle is estimated again, so Time and marks are renewed.
std::string TextReport(WashData &data, const MachineConfig &config, WarningMarks &marks,
                       const ReportRequest &request);

// Writes the report bytes to path, replacing a previous file in one step; the previous file is
// kept as backup when one is named. On failure the message is "Unable to save " + path and a
// previous file and backup stay as they were.
bool WriteTextReport(const std::string &path, const std::string &bytes, UserMessage &message,
                     const std::string &backup = {});

} // namespace korvanta
