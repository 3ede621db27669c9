#include "steps/NumberFieldRule.h"

#include <algorithm>

namespace korvanta {

namespace {

constexpr char kEnter = 13;
constexpr char kBackspace = 8;

} // namespace

KeyAction FilterNumberKey(char ch) {
    if (ch == kEnter)
        return KeyAction::MoveFocus;
    if ((ch >= '0' && ch <= '9') || ch == kBackspace)
        return KeyAction::Accept;
    return KeyAction::Swallow;
}

int NumberFieldArrow(const NumberFieldRange &range, int value, bool up) {
    const int next = up ? value + range.increment : value - range.increment;
    if (next > range.max)
        return range.wrap && value >= range.max ? range.min : range.max;
    if (next < range.min)
        return range.wrap && value <= range.min ? range.max : range.min;
    return next;
}

std::optional<int> ParseNumberText(const std::string &text, int maxLength) {
    if (text.empty() || static_cast<int>(text.size()) > std::max(maxLength, 1) || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = value * 10 + (ch - '0');
    }
    return value;
}

int NumberFieldOnStep(const NumberFieldRange &range, int value) {
    if (range.increment <= 1 || value < range.min)
        return value;
    return value - (value - range.min) % range.increment;
}

int NumberFieldTakeTyped(const NumberFieldRange &range, const std::string &text, int previous,
                         int emptyValue) {
    if (text.empty())
        return emptyValue;
    const auto typed = ParseNumberText(text, range.maxLength);
    if (!typed || *typed < range.min || *typed > range.max)
        return previous;
    return *typed;
}

} // namespace korvanta
