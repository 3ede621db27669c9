#pragma once

#include <string>

namespace korvanta {

// Now (or SOURCE_DATE_EPOCH) as the report header shows it, with the day and month names of
// the user's locale, in Windows-1252: "Wed 9 December 2026 - 07:05".
std::string ReportDateText();

} // namespace korvanta
