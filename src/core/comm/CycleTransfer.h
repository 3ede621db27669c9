#pragma once

#include <string>

#include "comm/FrontPanel.h"

namespace korvanta {

// Working files in the temporary folder: the editor's cycles to send, and the cycles read.
inline constexpr const char *kSendWorkingFile = "Tworking.kvt";
inline constexpr const char *kReadWorkingFile = "Rworking.kvt";

// Sends the wash data file at `path` to the machine's cycle memory. configuredType is the
// machine type the cycles are written for. True when the machine took every block.
bool WriteCycles(FrontPanel &panel, const std::string &path, int configuredType);

// Reads the machine's stored cycles into `path`, which is left behind only on success.
bool ReadCycles(FrontPanel &panel, const std::string &path);

} // namespace korvanta
