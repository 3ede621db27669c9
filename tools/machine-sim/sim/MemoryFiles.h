#pragma once

#include <string>

#include "sim/MachineMemory.h"

namespace korvanta::sim {

// The machine's memory kept in a folder between runs: cycles.bin (the stored cycle blocks),
// software.bin (the software image) and params.txt (a line "address value" per parameter,
// both decimal; blank lines and lines starting with '#' are skipped).
//
// Loading leaves the memory untouched and returns false with the reason when a file that is
// present cannot be read or is malformed; missing files leave that part erased. Saving writes
// each file beside its final name first and renames it, so a failed save keeps the old file.
bool LoadMemoryFiles(const std::string &dir, MachineMemory &memory, std::string *error);
bool SaveMemoryFiles(const std::string &dir, const MachineMemory &memory, std::string *error);

} // namespace korvanta::sim
