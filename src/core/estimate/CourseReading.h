#pragma once

#include <cstdint>
#include <optional>

#include "estimate/CycleCourse.h"

namespace korvanta {

// The tub at one moment of a cycle, read off its course.
struct CourseReading {
    std::optional<std::size_t> step; // index into CycleCourse::steps of the step running then
    double level = 0;                // level code, between the course's points
    double temperature = 0;          // TempCode, between the course's points
};

// Reads the course at a time (seconds from the start of the cycle, limited to the cycle):
// straight lines between the recorded points, the later value where a step changes the tub at
// once. A step of 0 seconds is never the one running. A course without steps reads empty.
CourseReading ReadCourse(const CycleCourse &course, double seconds);

} // namespace korvanta
