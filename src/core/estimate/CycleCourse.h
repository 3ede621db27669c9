#pragma once

#include <cstdint>
#include <vector>

#include "model/WashRecord.h"

namespace korvanta {

// What one step did to the simulated tub: when it ran and the level and temperature it
// found and left. Levels are level codes (0..80), temperatures TempCode (half degrees C).
struct CourseStep {
    int ordinal = 0; // 1 = first step after the CycleStart
    RecordType type = RecordType::Fill;
    int64_t startSeconds = 0;
    int64_t endSeconds = 0;
    int64_t levelStart = 0;
    int64_t levelEnd = 0;
    int64_t temperatureStart = 0;
    int64_t temperatureEnd = 0;
    bool reached = true; // false when the step missed its level or temperature
};

// The course of one cycle through the tub, step by step, as recorded by the estimate's walk.
struct CycleCourse {
    std::vector<CourseStep> steps;
    int64_t totalSeconds = 0;
};

} // namespace korvanta
