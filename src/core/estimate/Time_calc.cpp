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
int64_t StepSeconds(const std::vector<WashRecord> &records, std::size_t index, TubState &tub,
                    const EstimateContext &ctx) {
    const WashRecord &step = records[index];
    switch (step.type) {
    case RecordType::Fill:
        return FillStepSeconds(step, tub, ctx);
    case RecordType::Wash:
        return WashStepSeconds(step, tub, ctx);
    case RecordType::Supply:
        return SupplyStepSeconds(step, tub, ctx);
    case RecordType::Drain:
        return DrainStepSeconds(tub, IsSpinAt(records, index + 1));
    case RecordType::Spin:
        return SpinStepSeconds(step, tub, ctx, IsSpinAt(records, index - 1),
                               IsSpinAt(records, index + 1));
    case RecordType::Soak:
        return SoakStepSeconds(step, tub, ctx);
    case RecordType::Aux:
        return AuxStepSeconds(step);
    case RecordType::Heat:
        return HeatStepSeconds(step, tub, ctx);
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

void RecordStep(CycleCourse &course, const WashRecord &record, int ordinal, int64_t start,
                int64_t seconds, const TubState &before, const TubState &after) {
    CourseStep step;
    step.ordinal = ordinal;
    step.type = record.type;
    step.startSeconds = start;
    step.endSeconds = std::min(start + seconds, kMaxSeconds);
    step.levelStart = before.level;
    step.levelEnd = after.level;
    step.temperatureStart = before.temperature;
    step.temperatureEnd = after.temperature;
    step.reached = !NeedsMark(record.type, after);
    course.steps.push_back(step);
}

} // namespace

uint32_t EstimateCycle(WashData &data, std::size_t cycleStartIndex, const MachineConfig &config,
                       WarningMarks &marks, int currentStep, std::string &remark,
                       CycleCourse *course) {
    remark.clear();
    if (course != nullptr) { // keeps the capacity of a course filled before
        course->steps.clear();
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
        const int64_t seconds =
            std::clamp<int64_t>(StepSeconds(records, index, tub, ctx), 0, kMaxSeconds);
        const int ordinal =
            static_cast<int>(std::min<std::size_t>(k, std::numeric_limits<int>::max()));
        if (NeedsMark(record.type, tub))
            marks.MarkStep(number, ordinal);
        if (ordinal == currentStep)
            remark = StepRemark(record, tub, config);
        if (course != nullptr && record.type != RecordType::CycleStart)
            RecordStep(*course, record, ordinal, total, seconds, before, tub);
        if (record.type != RecordType::CycleStart)
            record.time = static_cast<uint32_t>(seconds);
        total = std::min(total + seconds, kMaxSeconds);
    }
    if (course != nullptr)
        course->totalSeconds = total;
    return static_cast<uint32_t>(total);
}

} // namespace korvanta
