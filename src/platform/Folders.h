#pragma once

#include "files/ChooseFile.h"

namespace korvanta {

// The user's documents folder, the program's data folder in it ("Korvanta Planner", never
// created by us) and the temporary folder, each with a trailing separator.
KnownFolders FindKnownFolders();

} // namespace korvanta
