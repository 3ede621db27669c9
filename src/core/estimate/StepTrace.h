#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "estimate/CycleCourse.h"
#include "estimate/LevelVolumes.h"
#include "estimate/TubState.h"

namespace korvanta {

// Collects what a step rule knows beyond its duration while the course of a cycle is recorded:
// its target and the tub's level and temperature between its start and its end. The walk adds
// the step's first and last point itself, so a rule only adds what lies between; a point at or
// before the last one, or outside the step, is dropped.
class StepTrace {
public:
    // Inner points of a curve: the phase of a step in which water flows is cut into this many
    // equal parts.
    static constexpr int kCurveParts = 12;

    StepTrace(std::vector<CoursePoint> &points, int64_t stepStartSeconds)
        : points_(points), start_(stepStartSeconds) {}

    std::optional<int64_t> targetLevel;
    std::optional<int64_t> targetTemperature;

    // A point secondsIntoStep after the step's start.
    void Add(int64_t secondsIntoStep, int64_t level, int64_t temperature);

    // Samples a curve over the first phaseSeconds of the step: stateAt(s) gives the tub after
    // s seconds. The end of the phase is left to the rule, which knows the tub it leaves.
    template <typename StateAt> void Curve(int64_t phaseSeconds, StateAt stateAt) {
        for (int part = 1; part < kCurveParts; ++part) {
            const int64_t s = phaseSeconds * part / kCurveParts;
            const TubState tub = stateAt(s);
            Add(s, tub.level, tub.temperature);
        }
    }

    // Water pumped out evenly over the first seconds of the step: the level follows the volume
    // left in the tub, the water keeps its temperature until the tub is empty.
    void Emptying(const TubState &before, int64_t seconds, const LevelVolumes &volumes);

private:
    std::vector<CoursePoint> &points_;
    int64_t start_; // seconds from the start of the cycle
};

} // namespace korvanta
