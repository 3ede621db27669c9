#pragma once

#include <cstdint>
#include <string>

namespace korvanta {

// The date and time pattern of the report header in the platform's date format letters
// (short day name, day, full month name, year, 24-hour time): "Tue 8 December 2026 - 09:05".
constexpr const char *kReportDatePattern = "ddd d MMMM yyyy - hh:mm";

// "Korvanta Planner v2.04": the print job's document title and the start of every header.
std::string ReportProgramTitle();

// The file name without its folder (either separator).
std::string FileNamePart(const std::string &path);

// "Estimated duration: h:mm:ss" of a cycle total: 3725 s -> "Estimated duration: 1:02:05".
std::string EstimatedDurationText(uint32_t seconds);

// Whole minutes, ":" and two-digit seconds of a step: 125 -> "2:05".
std::string StepDurationText(uint32_t seconds);

// "Cycle 3: COTTON"
std::string CycleHeadingText(int number, const std::string &name);

} // namespace korvanta
