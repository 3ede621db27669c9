#include "sim/HexText.h"

namespace korvanta::sim {

namespace {
constexpr std::string_view kHexDigits = "0123456789ABCDEF";
constexpr std::size_t kMaxDigits = 8; // keeps every accepted field inside 32 bits
} // namespace

std::string HexDigits(unsigned value, int width) {
    std::string text(static_cast<std::size_t>(width), '0');
    for (int i = width - 1; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kHexDigits[value & 0xF];
        value >>= 4;
    }
    return text;
}

bool ParseHex(std::string_view text, unsigned &value) {
    if (text.empty() || text.size() > kMaxDigits)
        return false;
    unsigned result = 0;
    for (char c : text) {
        std::size_t digit = kHexDigits.find(c);
        if (digit == std::string_view::npos)
            return false;
        result = result * 16 + static_cast<unsigned>(digit);
    }
    value = result;
    return true;
}

bool ParseDecimal(std::string_view text, unsigned &value) {
    if (text.empty() || text.size() > kMaxDigits)
        return false;
    unsigned result = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        result = result * 10 + static_cast<unsigned>(c - '0');
    }
    value = result;
    return true;
}

} // namespace korvanta::sim
