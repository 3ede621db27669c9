#include "estimate/Time_calc.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "estimate/StepRules.h"

namespace korvanta {

namespace {

constexpr int64_t kMaxSeconds = std::numeric_limits<uint32_t>::max();

bool IsSpinAt(const std::vector<WashRecord> &records, std::size_t index) {
    return index < records.size() && records[index].type == RecordType::Spin;
}

// The duration of the record at index; records that are not steps last 0 s and leave the tub.
// One copy per kind of walk, each inlined into its loop as the walk ran before courses existed.
template <bool kRecording>
[[gnu::always_inline]] inline int64_t StepSeconds(const std::vector<WashRecord> &records,
                                                  std::size_t index, TubState &tub,
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

// The walk itself. Recording is a template argument so that an estimate without a course
// runs exactly the loop it ran before courses existed: not even a test of the pointer.
template <bool kRecording>
int64_t WalkCycle(std::vector<WashRecord> &records, std::size_t cycleStartIndex,
                  const MachineConfig &config, const EstimateContext &ctx, WarningMarks &marks,
                  int currentStep, std::string &remark, CycleCourse *course) {
    const int number = records[cycleStartIndex].Code(1);
    TubState tub;
    int64_t total = 0;
    for (std::size_t k = 1; cycleStartIndex + k < records.size(); ++k) {
        const std::size_t index = cycleStartIndex + k;
        WashRecord &record = records[index];
        if (EndsCycle(record.type))
            break;
        tub.notReached = false;
        int64_t seconds = 0;
        const int ordinal =
            static_cast<int>(std::min<std::size_t>(k, std::numeric_limits<int>::max()));
        if constexpr (kRecording) {
            const TubState before = tub;
            const std::size_t firstPoint = course->points.size();
            course->points.push_back({total, before.level, before.temperature});
            StepTrace trace(course->points, total);
            seconds = std::clamp<int64_t>(StepSeconds<true>(records, index, tub, ctx, &trace), 0,
                                          kMaxSeconds);
            if (record.type != RecordType::CycleStart)
                RecordStep(*course, trace, record, index, ordinal, firstPoint, total, seconds,
                           before, tub);
            else
                course->points.resize(firstPoint);
        } else {
            seconds = std::clamp<int64_t>(StepSeconds<false>(records, index, tub, ctx, nullptr), 0,
                                          kMaxSeconds);
        }
        if (NeedsMark(record.type, tub))
            marks.MarkStep(number, ordinal);
        if (ordinal == currentStep)
            remark = StepRemark(record, tub, config);
        if (record.type != RecordType::CycleStart)
            record.time = static_cast<uint32_t>(seconds);
        total = std::min(total + seconds, kMaxSeconds);
    }
    return total;
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
    marks.ClearCycle(records[cycleStartIndex].Code(1));
    if (course == nullptr)
        return static_cast<uint32_t>(WalkCycle<false>(records, cycleStartIndex, config, ctx, marks,
                                                      currentStep, remark, nullptr));
    course->totalSeconds =
        WalkCycle<true>(records, cycleStartIndex, config, ctx, marks, currentStep, remark, course);
    return static_cast<uint32_t>(course->totalSeconds);
}

} // namespace korvanta
