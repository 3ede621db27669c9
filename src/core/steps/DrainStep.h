#pragma once

#include <cstdint>

namespace korvanta {

// A Drain step empties the tub through one drain with a timeout.
//   Code1: drain 1 or 2
//   Code2: timeout minutes 0..10, Code3: timeout seconds 0..59
constexpr int kDrainMaxMinutes = 10;
constexpr int kDrainInitialMinutes = 1;

// The high nibble of the configured drains describes the second drain; 0 means there is none.
inline bool SecondDrainConfigured(uint8_t drains) {
    return drains > 15;
}

} // namespace korvanta
