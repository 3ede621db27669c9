#include "estimate/CourseReading.h"

#include <algorithm>

namespace korvanta {

namespace {

// The step running at a time: the last one that starts at or before it and lasts beyond it;
// at the very end of the cycle, the last step that lasts at all.
std::optional<std::size_t> StepAt(const CycleCourse &course, double seconds) {
    std::optional<std::size_t> found;
    for (std::size_t k = 0; k < course.steps.size(); ++k) {
        const CourseStep &step = course.steps[k];
        if (step.endSeconds <= step.startSeconds)
            continue;
        if (static_cast<double>(step.startSeconds) > seconds)
            break;
        found = k;
    }
    return found;
}

} // namespace

CourseReading ReadCourse(const CycleCourse &course, double seconds) {
    CourseReading reading;
    if (course.points.empty())
        return reading;
    const double at = std::clamp(seconds, 0.0, static_cast<double>(course.totalSeconds));
    reading.step = StepAt(course, at);
    // The first point after the time; the one before it is the last at or before the time.
    const auto after = std::upper_bound(
        course.points.begin(), course.points.end(), at,
        [](double t, const CoursePoint &p) { return t < static_cast<double>(p.seconds); });
    if (after == course.points.begin()) {
        reading.level = static_cast<double>(after->level);
        reading.temperature = static_cast<double>(after->temperature);
        return reading;
    }
    const CoursePoint &a = *(after - 1);
    if (after == course.points.end()) {
        reading.level = static_cast<double>(a.level);
        reading.temperature = static_cast<double>(a.temperature);
        return reading;
    }
    const CoursePoint &b = *after;
    const double share = (at - static_cast<double>(a.seconds)) /
                         static_cast<double>(b.seconds - a.seconds); // b is later than a
    reading.level = static_cast<double>(a.level) + share * static_cast<double>(b.level - a.level);
    reading.temperature = static_cast<double>(a.temperature) +
                          share * static_cast<double>(b.temperature - a.temperature);
    return reading;
}

} // namespace korvanta
