#pragma once

#include <string>

#include "model/UserMessage.h"

namespace korvanta {

// Writes a finished report (text or PDF bytes) to path, replacing a previous file in one step.
// The previous file is kept as backup when one is named. On failure the message is
// "Unable to save " + path and a previous file and backup stay as they were.
bool WriteReportFile(const std::string &path, const std::string &bytes, UserMessage &message,
                     const std::string &backup = {});

} // namespace korvanta
