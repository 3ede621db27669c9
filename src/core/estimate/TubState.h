#pragma once

#include <cstdint>

namespace korvanta {

// The simulated tub while the estimate walks a cycle. Every cycle starts empty and cold.
struct TubState {
    int64_t temperature = 0; // TempCode, half degrees C
    int64_t level = 0;       // level code 0..80, steps of 5 mm
    bool notReached = false; // the step missed its level or temperature within its time
};

} // namespace korvanta
