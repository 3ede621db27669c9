#pragma once

#include <string>
#include <vector>

namespace korvanta {

// The serial ports this computer has, in the order the system lists them (real ports only:
// pseudo-terminals are not listed).
std::vector<std::string> AvailablePortNames();

} // namespace korvanta
