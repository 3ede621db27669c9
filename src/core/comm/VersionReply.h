#pragma once

#include <string>

#include "comm/ReplyBuffer.h"

namespace korvanta {

// The four version texts of a "VER" reply (at most 10 characters each, cut at a zero byte).
struct VersionTexts {
    std::string boot;     // index 2
    std::string firmware; // index 12
    std::string keyboard; // index 22; a text starting with "K" marks a coin keypad
    std::string hardware; // index 32
};

VersionTexts ReadVersionTexts(const ReplyBuffer &reply);

// "1.04" gives 104: 100 x the first digit + 10 x the third character + the fourth. A text
// that is not digit, point, digit, digit cannot be read as a number and counts as version 0,
// the oldest there is.
int VersionNumber(const std::string &text);

// The keypad kind: the first character of the keyboard text, 0 when that text is empty.
char KeypadKindOf(const VersionTexts &texts);
constexpr char kCoinKeypad = 'K';

} // namespace korvanta
