#pragma once

#include <optional>
#include <string>

namespace korvanta {

// The rules of a step editor's number field: an edit box paired with up/down arrows whose
// value always lies within Min..Max.
struct NumberFieldRange {
    int min = 0;
    int max = 0;
    int increment = 1;
    bool wrap = false; // an arrow press past Max goes on to Min and past Min to Max
    int maxLength = 2; // characters the edit box takes
};

// The range of the smaller unit of a time pair: seconds (or minutes) 0..59 with wrapping.
constexpr NumberFieldRange kSmallerTimeUnit{0, 59, 1, true, 2};

// What the edit box does with a typed character.
enum class KeyAction { Accept, Swallow, MoveFocus };
// Digits and backspace pass, Enter is swallowed and moves the focus, everything else is
// swallowed: the boxes hold digits only.
KeyAction FilterNumberKey(char ch);

// The value after one arrow press from value. Wrapping never carries into another field.
int NumberFieldArrow(const NumberFieldRange &range, int value, bool up);

// The number a box text holds when it consists of digits only and is short enough to be
// typed; nullopt otherwise (text pasted or set from outside included).
std::optional<int> ParseNumberText(const std::string &text, int maxLength);

// A value brought down onto the field's steps (Min, Min + Increment, ...). A Spin speed of
// 723 rpm would be saved as 720 (files hold the speed in steps of 5), so the field takes 720.
int NumberFieldOnStep(const NumberFieldRange &range, int value);

// The value a left edit box puts in force: emptyValue for an empty box, the typed number when
// it lies within Min..Max, otherwise the previous value (a number out of range is not taken).
int NumberFieldTakeTyped(const NumberFieldRange &range, const std::string &text, int previous,
                         int emptyValue);

// Both time fields at zero call for the alert colour.
inline bool ZeroTimeAlert(int larger, int smaller) {
    return larger == 0 && smaller == 0;
}

} // namespace korvanta
