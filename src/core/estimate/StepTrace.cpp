#include "estimate/StepTrace.h"

namespace korvanta {

void StepTrace::Add(int64_t secondsIntoStep, int64_t level, int64_t temperature) {
    if (secondsIntoStep <= 0)
        return;
    const int64_t at = start_ + secondsIntoStep;
    if (!points_.empty() && at <= points_.back().seconds)
        return;
    points_.push_back({at, level, temperature});
}

void StepTrace::Emptying(const TubState &before, int64_t seconds, const LevelVolumes &volumes) {
    if (before.level == 0 || seconds <= 0)
        return;
    const int64_t full = volumes.VolumeAt(before.level);
    Curve(seconds, [&](int64_t s) {
        const int64_t left = full * (seconds - s) / seconds;
        return TubState{before.temperature, volumes.LevelFor(left)};
    });
    Add(seconds, 0, before.temperature);
}

} // namespace korvanta
