#include "print/ReportCycle.h"

#include <set>

#include "estimate/Time_calc.h"
#include "steps/StepDescription.h"

namespace korvanta {

std::vector<std::size_t> ChosenCycleStarts(const WashData &data, const std::vector<int> &rows) {
    // A ticked row prints once, and the report follows the list whatever order rows came in.
    const std::set<int> ticked(rows.begin(), rows.end());
    std::vector<std::size_t> starts;
    for (int row : ticked)
        if (const auto index = data.CycleStartIndex(row))
            starts.push_back(*index);
    return starts;
}

ReportCycle CollectReportCycle(WashData &data, std::size_t cycleStartIndex,
                               const MachineConfig &config, WarningMarks &marks) {
    ReportCycle cycle;
    if (cycleStartIndex >= data.Size())
        return cycle;
    std::string remark;
    cycle.total = EstimateCycle(data, cycleStartIndex, config, marks, 0, remark);
    const WashRecord &start = data.At(cycleStartIndex);
    cycle.number = start.Code(1);
    cycle.name = start.name;
    for (std::size_t i = cycleStartIndex + 1; i < data.Size(); ++i) {
        const WashRecord &record = data.At(i);
        if (record.type == RecordType::CycleEnd || record.type == RecordType::DataEnd)
            break;
        ReportRow row;
        row.position = static_cast<int>(i - cycleStartIndex);
        row.known = record.IsStep();
        if (row.known) {
            row.description = StepDescription(record, config);
            row.seconds = record.time;
        }
        cycle.rows.push_back(std::move(row));
    }
    return cycle;
}

} // namespace korvanta
