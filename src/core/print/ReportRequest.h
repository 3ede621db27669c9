#pragma once

#include <string>
#include <vector>

namespace korvanta {

// The warning when neither a cycle nor the configuration is chosen.
constexpr const char *kNothingToPrint = "No cycles selected,\nSelect cycles to print!";

// What the print dialog asks for, and the two texts the platform supplies.
struct ReportRequest {
    std::vector<int> rows;      // checked rows of the cycle list, from 1, in list order
    bool includeConfig = false; // "Print configuration:" Yes
    std::string fileName;       // name part of the current file (may be empty)
    std::string dateText;       // now, formatted with kReportDatePattern (Windows-1252)
    bool profiles = false;      // each printed cycle's profile on a page after the cycle
};

} // namespace korvanta
