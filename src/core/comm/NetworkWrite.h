#pragma once

#include <string>

#include "comm/NetworkLine.h"

namespace korvanta {

// Writes the wash data file at `path` to every ticked machine in one pass. Machines whose
// remembered type or drains differ from the file's get the picture ConfigDiffers and the user
// is asked whether to go on. After a complete write every ticked machine takes the file's
// type and drains and the picture Written. True when the cycles reached every ticked machine.
bool WriteNetworkCycles(NetworkLine &line, const std::string &path);

// Writes the controller software file at `path` to every ticked machine in one pass; an empty
// path (no file chosen) ends at once. True when it reached every ticked machine.
bool WriteNetworkSoftware(NetworkLine &line, const std::string &path);

} // namespace korvanta
