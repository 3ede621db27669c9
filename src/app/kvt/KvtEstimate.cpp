#include "KvtEstimate.h"

#include <vector>

#include "KvtJson.h"
#include "KvtOutput.h"
#include "estimate/Time_calc.h"
#include "model/DurationText.h"
#include "model/WashDataSize.h"
#include "steps/StepDescription.h"

namespace korvanta {

namespace {

// A cycle walked as the main window walks it: every record after the CycleStart up to its
// CycleEnd (or DataEnd, or the end of the list), the position counting from 1.
struct CycleWalk {
    std::size_t start = 0;
    int number = 0;
    uint32_t total = 0;
    // Record indexes. A CycleStart inside the cycle (a file may lack a CycleEnd) holds its
    // position like a step and is shown as "unknown command", as the step list shows it.
    std::vector<std::size_t> steps;
};

std::vector<std::size_t> StepIndexes(const WashData &data, std::size_t start) {
    std::vector<std::size_t> indexes;
    for (std::size_t i = start + 1; i < data.Size(); ++i) {
        const RecordType type = data.At(i).type;
        if (type == RecordType::CycleEnd || type == RecordType::DataEnd)
            break;
        indexes.push_back(i);
    }
    return indexes;
}

CycleWalk Estimate(LoadedFile &file, WarningMarks &marks, std::size_t start) {
    CycleWalk walk;
    walk.start = start;
    walk.number = file.data.At(start).Code(1);
    std::string remark;
    walk.total = EstimateCycle(file.data, start, file.config, marks, 0, remark);
    walk.steps = StepIndexes(file.data, start);
    return walk;
}

std::string CodesJson(const WashRecord &record) {
    std::string codes = "[";
    if (record.type != RecordType::CycleStart)
        for (int n = 1; n <= kMaxCodes; ++n)
            if (record.Has(n))
                codes += (codes.size() > 1 ? ", " : "") + std::to_string(record.Code(n));
    return codes + "]";
}

// The step's estimated time; a record that is no step has none.
uint32_t StepTime(const WashRecord &record) {
    return record.IsStep() ? record.time : 0;
}

std::string StepJson(LoadedFile &file, WarningMarks &marks, const CycleWalk &walk, int position) {
    const WashRecord &step = file.data.At(walk.steps[static_cast<std::size_t>(position - 1)]);
    std::string remark;
    EstimateCycle(file.data, walk.start, file.config, marks, position, remark);
    return "{\"position\": " + std::to_string(position) +
           ", \"type\": " + std::to_string(static_cast<int>(step.type)) +
           ", \"codes\": " + CodesJson(step) + ", \"time\": " + std::to_string(StepTime(step)) +
           ", \"duration\": " + JsonQuoted(DurationText(StepTime(step))) +
           ", \"marked\": " + JsonBool(marks.StepMarked(walk.number, position)) +
           ", \"description\": " + JsonQuoted(Utf8(StepDescription(step, file.config))) +
           ", \"remark\": " + JsonQuoted(Utf8(remark)) + "}";
}

std::string CycleJson(LoadedFile &file, WarningMarks &marks, std::size_t start) {
    const CycleWalk walk = Estimate(file, marks, start);
    const bool marked = marks.CycleMarked(walk.number);
    std::string steps;
    for (std::size_t p = 1; p <= walk.steps.size(); ++p)
        steps += (steps.empty() ? "" : ", ") + StepJson(file, marks, walk, static_cast<int>(p));
    return "{\"number\": " + std::to_string(walk.number) +
           ", \"name\": " + JsonQuoted(Utf8(file.data.At(start).name)) +
           ", \"total\": " + std::to_string(walk.total) +
           ", \"duration\": " + JsonQuoted(DurationText(walk.total)) +
           ", \"marked\": " + JsonBool(marked) + ",\n   \"steps\": [" + steps + "]}";
}

} // namespace

int RunList(const QString &path) {
    auto file = LoadForCommand(path);
    if (!file)
        return kExitFailed;
    WarningMarks marks;
    for (int k = 1; k <= file->data.CycleCount(); ++k) {
        const std::size_t start = *file->data.CycleStartIndex(k);
        const CycleWalk walk = Estimate(*file, marks, start);
        PrintLine(std::to_string(walk.number) + "\t" + Utf8(file->data.At(start).name) + "\t" +
                  DurationText(walk.total));
    }
    return kExitOk;
}

int RunSteps(const QString &path, int number) {
    auto file = LoadForCommand(path);
    if (!file)
        return kExitFailed;
    const auto start = CycleNumbered(file->data, number);
    if (!start)
        return kExitFailed;
    WarningMarks marks;
    const CycleWalk walk = Estimate(*file, marks, *start);
    for (std::size_t p = 1; p <= walk.steps.size(); ++p) {
        const WashRecord &step = file->data.At(walk.steps[p - 1]);
        const std::string duration = step.IsStep() ? DurationText(step.time) : "";
        PrintLine(std::to_string(p) + "\t" + Utf8(StepDescription(step, file->config)) + "\t" +
                  duration);
    }
    return kExitOk;
}

int RunEstimateJson(const QString &path) {
    auto file = LoadForCommand(path);
    if (!file)
        return kExitFailed;
    WarningMarks marks;
    std::string cycles;
    for (int k = 1; k <= file->data.CycleCount(); ++k)
        cycles += (k > 1 ? ",\n  " : "") + CycleJson(*file, marks, *file->data.CycleStartIndex(k));
    PrintLine("{\"machineType\": " + std::to_string(file->config.machineType) +
              ", \"units\": " + std::to_string(file->config.units) + ", \"size\": " +
              std::to_string(WashDataFileSize(file->data)) + ",\n \"cycles\": [" + cycles + "]}");
    return kExitOk;
}

} // namespace korvanta
