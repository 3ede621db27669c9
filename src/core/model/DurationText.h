#pragma once

#include <cstdint>
#include <string>

namespace korvanta {

// "m:ss" up to 60 minutes, "h" + "hmm" beyond: 0 -> "0:00", 125 -> "2:05", 3600 -> "60:00",
// 3659 -> "60:59", 3660 -> "1h01".
std::string DurationText(uint32_t seconds);

} // namespace korvanta
