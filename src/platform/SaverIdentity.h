#pragma once

#include "files/SaveStamp.h"

namespace korvanta {

// The logged-on user's name and the computer's name, as Windows-1252 bytes; each absent when
// the system does not tell it.
SaverNames CurrentSaverNames();

} // namespace korvanta
