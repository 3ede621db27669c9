#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/WashRecord.h"

namespace korvanta {

// The tub at one moment of a cycle. Levels are level codes (0..80), temperatures TempCode
// (half degrees C).
struct CoursePoint {
    int64_t seconds = 0; // from the start of the cycle
    int64_t level = 0;
    int64_t temperature = 0;
};

// What one step did to the simulated tub: when it ran, the level and temperature it found and
// left, the target it worked towards and the points between.
struct CourseStep {
    int ordinal = 0;             // 1 = first step after the CycleStart
    std::size_t recordIndex = 0; // the step's record in the WashData
    RecordType type = RecordType::Fill;
    int64_t startSeconds = 0;
    int64_t endSeconds = 0;
    int64_t levelStart = 0;
    int64_t levelEnd = 0;
    int64_t temperatureStart = 0;
    int64_t temperatureEnd = 0;
    std::optional<int64_t> targetLevel;       // Fill: the level it fills to
    std::optional<int64_t> targetTemperature; // Wash, Soak, Heat: the temperature asked for
    bool reached = true; // false when the step missed its level or temperature (a marked step)
    // The step's points in CycleCourse::points: the first is (startSeconds, levelStart,
    // temperatureStart), the last (endSeconds, levelEnd, temperatureEnd); times never fall.
    std::size_t firstPoint = 0;
    std::size_t pointCount = 0;
};

// The course of one cycle through the tub, step by step, as recorded by the estimate's walk.
struct CycleCourse {
    std::vector<CourseStep> steps;
    std::vector<CoursePoint> points; // every step's points, in time order
    int64_t totalSeconds = 0;

    std::span<const CoursePoint> PointsOf(const CourseStep &step) const {
        return std::span<const CoursePoint>(points).subspan(step.firstPoint, step.pointCount);
    }
};

} // namespace korvanta
