#include <gtest/gtest.h>

#include "steps/NumberFieldRule.h"

using namespace korvanta;

TEST(StepsNumberField, KeyFilterPassesDigitsAndBackspaceOnly) {
    for (char ch = '0'; ch <= '9'; ++ch)
        EXPECT_EQ(FilterNumberKey(ch), KeyAction::Accept);
    EXPECT_EQ(FilterNumberKey(8), KeyAction::Accept);
    EXPECT_EQ(FilterNumberKey(13), KeyAction::MoveFocus);
    for (char ch : {'-', '+', '.', ',', ' ', 'a', 'Z', '\t', '\x7f'})
        EXPECT_EQ(FilterNumberKey(ch), KeyAction::Swallow) << int(ch);
}

TEST(StepsNumberField, ArrowsStepWrapAndStop) {
    const NumberFieldRange minutes{0, 10, 1, false, 2};
    const NumberFieldRange speed{200, 1000, 5, false, 4};
    struct Case {
        NumberFieldRange range;
        int from;
        bool up;
        int to;
    };
    const Case cases[] = {
        {kSmallerTimeUnit, 59, true, 0},  {kSmallerTimeUnit, 0, false, 59},
        {kSmallerTimeUnit, 30, true, 31}, {minutes, 10, true, 10},
        {minutes, 0, false, 0},           {speed, 995, true, 1000},
        {speed, 1000, true, 1000},        {speed, 998, true, 1000},
        {speed, 200, false, 200},         {speed, 725, false, 720},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NumberFieldArrow(c.range, c.from, c.up), c.to) << c.from << " " << c.up;
}

TEST(StepsNumberField, TypedValuesOutsideTheRangeAreNotTaken) {
    const NumberFieldRange minutes{0, 10, 1, false, 2};
    const NumberFieldRange speed{200, 1000, 5, false, 4};
    struct Case {
        NumberFieldRange range;
        const char *text;
        int previous, empty, taken;
    };
    const Case cases[] = {
        {minutes, "7", 3, 0, 7},       {minutes, "75", 3, 0, 3},
        {minutes, "", 3, 0, 0},        {minutes, "010", 3, 0, 3},
        {minutes, "-1", 3, 0, 3},      {minutes, "1a", 3, 0, 3},
        {speed, "150", 500, 200, 500}, {speed, "", 500, 200, 200},
        {speed, "725", 500, 200, 725}, {speed, "99999999999", 500, 200, 500},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NumberFieldTakeTyped(c.range, c.text, c.previous, c.empty), c.taken) << c.text;
}
