#pragma once

#include <string>

namespace korvanta {

// printf-style formatting of the protocol's command and status texts.
std::string FormatText(const char *format, ...) __attribute__((format(printf, 1, 2)));

} // namespace korvanta
