#pragma once

#include <array>
#include <string>

#include "model/WashRecord.h"

namespace korvanta {

constexpr int kRawRowCells = 9;
using RawRow = std::array<std::string, kRawRowCells>;

// Column headings of the raw record lists.
extern const std::array<const char *, kRawRowCells> kRawRowHeadings; // "Type", "Code1".. "Time"

// One record as the raw lists show it: the type and the present codes in decimal, blanks for
// absent codes; a CycleStart shows its number under Code1 and its name under Code2, a step its
// Time in seconds, CycleEnd and DataEnd only their type.
RawRow RawRecordRow(const WashRecord &record);

} // namespace korvanta
