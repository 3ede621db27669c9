#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "sim/Controller.h"

namespace korvanta::sim {

inline constexpr std::size_t kVersionTextBytes = 10; // each text is zero-padded to 10 bytes

// Boot software, firmware, keyboard software and hardware texts as the machine reports them;
// a coin machine's keyboard text starts with "K".
std::array<std::string, 4> VersionTexts(const ControllerOptions &options);

} // namespace korvanta::sim
