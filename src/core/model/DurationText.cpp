#include "model/DurationText.h"

namespace korvanta {

namespace {
std::string TwoDigits(uint32_t value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}
} // namespace

std::string DurationText(uint32_t seconds) {
    const uint32_t minutes = seconds / 60;
    if (minutes <= 60)
        return std::to_string(minutes) + ":" + TwoDigits(seconds % 60);
    return std::to_string(minutes / 60) + "h" + TwoDigits(minutes % 60);
}

} // namespace korvanta
