#include "estimate/Time_calc.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "estimate/StepRules.h"

namespace korvanta {

namespace {

constexpr int64_t kMaxSeconds = std::numeric_limits<uint32_t>::max();

bool IsSpinAt(const std::vector<WashRecord> &records, std::size_t index) {
    return index < records.size() && records[index].type == RecordType::Spin;
}

// The duration of the record at index; records that are not steps last 0 s and leave the tub.
int64_t StepSeconds(const std::vector<WashRecord> &records, std::size_t index, TubState &tub,
                    const EstimateContext &ctx, StepTrace *trace) {
    const WashRecord &step = records[index];
    switch (step.type) {
    case RecordType::Fill:
        return FillStepSeconds(step, tub, ctx, trace);
    case RecordType::Wash:
        return WashStepSeconds(step, tub, ctx, trace);
    case RecordType::Supply:
        return SupplyStepSeconds(step, tub, ctx, trace);
    case RecordType::Drain:
        return DrainStepSeconds(tub, IsSpinAt(records, index + 1), ctx, trace);
    case RecordType::Spin:
        return SpinStepSeconds(step, tub, ctx, IsSpinAt(records, index - 1),
                               IsSpinAt(records, index + 1), trace);
    case RecordType::Soak:
        return SoakStepSeconds(step, tub, ctx, trace);
    case RecordType::Aux:
        return AuxStepSeconds(step);
    case RecordType::Heat:
        return HeatStepSeconds(step, tub, ctx, trace);
    default:
        return 0;
    }
}

bool NeedsMark(RecordType type, const TubState &after) {
    switch (type) {
    case RecordType::Fill:
    case RecordType::Wash:
        return after.notReached;
    case RecordType::Soak:
    case RecordType::Heat:
        return after.notReached || after.level == 0;
    default:
        return false;
    }
}

bool EndsCycle(RecordType type) {
    return type == RecordType::CycleEnd || type == RecordType::DataEnd;
}

// Closes the step's points with the tub it left and adds the step to the course. A point
// the rule placed at or after the step's end gives way to the end point.
void RecordStep(CycleCourse &course, const StepTrace &trace, const WashRecord &record,
                std::size_t recordIndex, int ordinal, std::size_t firstPoint, int64_t start,
                int64_t seconds, const TubState &before, const TubState &after) {
    CourseStep step;
    step.ordinal = ordinal;
    step.recordIndex = recordIndex;
    step.type = record.type;
    step.startSeconds = start;
    step.endSeconds = std::min(start + seconds, kMaxSeconds);
    step.levelStart = before.level;
    step.levelEnd = after.level;
    step.temperatureStart = before.temperature;
    step.temperatureEnd = after.temperature;
    step.targetLevel = trace.targetLevel;
    step.targetTemperature = trace.targetTemperature;
    step.reached = !NeedsMark(record.type, after);
    std::vector<CoursePoint> &points = course.points;
    while (points.size() > firstPoint + 1 && points.back().seconds >= step.endSeconds)
        points.pop_back();
    points.push_back({step.endSeconds, after.level, after.temperature});
    step.firstPoint = firstPoint;
    step.pointCount = points.size() - firstPoint;
    course.steps.push_back(step);
}

} // namespace

uint32_t EstimateCycle(WashData &data, std::size_t cycleStartIndex, const MachineConfig &config,
                       WarningMarks &marks, int currentStep, std::string &remark,
                       CycleCourse *course) {
    remark.clear();
    if (course != nullptr) { // keeps the capacity of a course filled before
        course->steps.clear();
        course->points.clear();
        course->totalSeconds = 0;
    }
    std::vector<WashRecord> &records = data.Records();
    if (records.size() < 2 || cycleStartIndex >= records.size() ||
        records[cycleStartIndex].type != RecordType::CycleStart)
        return 0;
    const EstimateContext ctx(config);
    const int number = records[cycleStartIndex].Code(1);
    marks.ClearCycle(number);

    TubState tub;
    int64_t total = 0;
    for (std::size_t k = 1; cycleStartIndex + k < records.size(); ++k) {
        const std::size_t index = cycleStartIndex + k;
        WashRecord &record = records[index];
        if (EndsCycle(record.type))
            break;
        tub.notReached = false;
        const TubState before = tub;
        const bool traced = course != nullptr && record.type != RecordType::CycleStart;
        std::optional<StepTrace> trace;
        const std::size_t firstPoint = traced ? course->points.size() : 0;
        if (traced) {
            course->points.push_back({total, before.level, before.temperature});
            trace.emplace(course->points, total);
        }
        const int64_t seconds = std::clamp<int64_t>(
            StepSeconds(records, index, tub, ctx, trace ? &*trace : nullptr), 0, kMaxSeconds);
        const int ordinal =
            static_cast<int>(std::min<std::size_t>(k, std::numeric_limits<int>::max()));
        if (NeedsMark(record.type, tub))
            marks.MarkStep(number, ordinal);
        if (ordinal == currentStep)
            remark = StepRemark(record, tub, config);
        if (traced)
            RecordStep(*course, *trace, record, index, ordinal, firstPoint, total, seconds, before,
                       tub);
        if (record.type != RecordType::CycleStart)
            record.time = static_cast<uint32_t>(seconds);
        total = std::min(total + seconds, kMaxSeconds);
    }
    if (course != nullptr)
        course->totalSeconds = total;
    return static_cast<uint32_t>(total);
}

} // namespace korvanta
