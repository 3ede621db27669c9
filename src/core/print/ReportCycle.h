#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "config/MachineConfig.h"
#include "model/WarningMarks.h"
#include "model/WashData.h"

namespace korvanta {

// One record of a printed cycle after its CycleStart: a step of type 1..8 with its description
// and estimated duration, or a record of any other type ("Unknown!").
struct ReportRow {
    int position = 0; // distance from the CycleStart
    bool known = false;
    std::string description; // Windows-1252; empty for unknown records
    uint32_t seconds = 0;    // Time after the estimate
};

struct ReportCycle {
    int number = 0;
    std::string name;
    uint32_t total = 0; // seconds
    std::vector<ReportRow> rows;
};

// The CycleStart indexes that the checked rows of the print dialog stand for. rows counts from
// 1 (the k-th row is the k-th CycleStart of the data); the result is in list order, each row
// once, and a row without such a record is skipped.
std::vector<std::size_t> ChosenCycleStarts(const WashData &data, const std::vector<int> &rows);

// Estimates the cycle again (so Time and the red marks are current) and collects its records
// from the CycleStart up to its CycleEnd, a DataEnd or the end of the list.
ReportCycle CollectReportCycle(WashData &data, std::size_t cycleStartIndex,
                               const MachineConfig &config, WarningMarks &marks);

} // namespace korvanta
