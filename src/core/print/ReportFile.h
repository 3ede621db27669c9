#pragma once

#include <string>

#include "model/UserMessage.h"

namespace korvanta {

// Writes a finished report (text or PDF bytes) to path, replacing a previous file in one step.
// On failure the message is "Unable to save " + path and a previous file stays as it was.
bool WriteReportFile(const std::string &path, const std::string &bytes, UserMessage &message);

} // namespace korvanta
