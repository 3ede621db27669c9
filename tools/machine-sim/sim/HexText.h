#pragma once

#include <string>
#include <string_view>

namespace korvanta::sim {

// Upper-case hexadecimal, zero-filled to width digits (the protocol's %02X and %04X).
std::string HexDigits(unsigned value, int width);

// Strict readers for the number fields of requests: only upper-case hex digits, or only decimal
// digits; an empty field or any other character is refused.
bool ParseHex(std::string_view text, unsigned &value);
bool ParseDecimal(std::string_view text, unsigned &value);

} // namespace korvanta::sim
