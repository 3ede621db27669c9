#include <gtest/gtest.h>

#include "config/MachineConfig.h"
#include "steps/StepDescription.h"
#include "steps/WashStep.h"

using namespace korvanta;

namespace {

MachineConfig Units(bool english) {
    MachineConfig config;
    config.units = english ? 1 : 0;
    return config;
}

WashRecord Wash(int mode, int temp, int agitation, int pause) {
    WashRecord record = WashRecord::MakeStep(RecordType::Wash);
    const int codes[] = {mode, temp, agitation, pause, 32, 5, 0};
    for (int n = 1; n <= 7; ++n)
        record.SetCode(n, codes[n - 1]);
    return record;
}

} // namespace

TEST(StepsWashDescription, ModeAgitationAndTemperature) {
    struct Case {
        bool english;
        int mode, temp, agitation, pause;
        const char *text;
    };
    const Case cases[] = {
        {false, 1, 80, 18, 3, "Wash 1 18/3 (40 \260C)"},
        {true, 1, 80, 18, 0, "Wash 1, no reverse (104 \260F)"},
        {false, 3, 120, 0, 0, "Wash 3, no agitation (60 \260C)"},
        {false, 5, 80, 18, 3, "Wash 5, cooldown 18/3 (40 \260C)"},
        {false, 7, 0, 0, 0, "Wash 7, drain, no agitation (0 \260C)"},
        {false, 2, 80, 3, 27, "Wash 2 3/27 (40 \260C)"},
        {false, 0, 80, 18, 3, "Unknown Wash Mode 18/3 (40 \260C)"},
        {true, 8, 0, 0, 5, "Unknown Wash Mode, no agitation (32 \260F)"},
        {false, 1, 81, 18, 3, "Wash 1 18/3 (40 \260C)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(StepDescription(Wash(c.mode, c.temp, c.agitation, c.pause), Units(c.english)),
                  c.text);
}

TEST(StepsWashModes, PresetsAndWhatEachModeAllows) {
    struct Case {
        int mode, agitation, pause;
        bool noReverse, heats, hours;
    };
    const Case cases[] = {
        {1, 18, 3, true, true, false},  {2, 3, 27, false, true, false},
        {3, 0, 0, false, true, false},  {4, 10, 20, false, true, false},
        {5, 18, 3, false, true, true},  {6, 4, 56, false, true, false},
        {7, 0, 0, false, false, false},
    };
    for (const auto &c : cases) {
        const WashMode *mode = WashModeAt(c.mode);
        ASSERT_NE(mode, nullptr);
        EXPECT_EQ(mode->agitation, c.agitation) << c.mode;
        EXPECT_EQ(mode->pause, c.pause) << c.mode;
        EXPECT_EQ(WashModeAllowsNoReverse(c.mode), c.noReverse) << c.mode;
        EXPECT_EQ(WashModeHeats(c.mode), c.heats) << c.mode;
        EXPECT_STREQ(WashTimeCaptionsFor(c.mode).larger, c.hours ? "hour" : "min");
    }
    EXPECT_EQ(WashModeAt(0), nullptr);
    EXPECT_EQ(WashModeAt(8), nullptr);
    EXPECT_EQ(WashModeAt(-1), nullptr);
}

TEST(StepsWashTime, PresetsInMinutesAndInHours) {
    const struct {
        int index;
        bool hours;
        int larger, smaller;
    } cases[] = {{0, false, 3, 0}, {1, false, 5, 0}, {2, false, 7, 0},
                 {0, true, 0, 15}, {1, true, 0, 30}, {2, true, 0, 45}};
    for (const auto &c : cases) {
        const WashTime time = WashTimePreset(c.index, c.hours);
        EXPECT_EQ(time.larger, c.larger);
        EXPECT_EQ(time.smaller, c.smaller);
    }
    EXPECT_STREQ(WashTimeCaptionsFor(5).presets[0], "0h15");
    EXPECT_STREQ(WashTimeCaptionsFor(1).presets[2], "7:00");
}

TEST(StepsWashPause, TypedArrowsAndNoReverse) {
    const struct {
        std::optional<int> typed;
        int pause;
    } typed[] = {{std::nullopt, 0}, {0, 0}, {1, 3}, {2, 3}, {3, 3}, {20, 20}, {60, 60}};
    for (const auto &c : typed)
        EXPECT_EQ(WashPauseOnExit(c.typed), c.pause);

    const struct {
        int pause;
        bool up;
        int next;
    } arrows[] = {{0, true, 3},  {2, true, 3},  {3, true, 4},  {60, true, 60},
                  {3, false, 0}, {2, false, 0}, {4, false, 3}, {0, false, 0}};
    for (const auto &c : arrows)
        EXPECT_EQ(WashPauseArrow(c.pause, c.up), c.next) << c.pause << " up " << c.up;

    EXPECT_TRUE(WashNoReverseState(18, 0));
    EXPECT_FALSE(WashNoReverseState(0, 0));
    EXPECT_FALSE(WashNoReverseState(18, 3));
    EXPECT_EQ(WashPauseOnNoReverse(true, 3), 0);
    EXPECT_EQ(WashPauseOnNoReverse(false, 0), 2);
    EXPECT_EQ(WashPauseOnNoReverse(false, 20), 20);
}

TEST(StepsWashNewStep, AllSevenCodes) {
    WashRecord record;
    WashNewStepCodes(record, {4, 80, 10, 20, 32, 5, 30});
    EXPECT_EQ(record.type, RecordType::Wash);
    const int expected[] = {4, 80, 10, 20, 32, 5, 30};
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(record.Code(n), expected[n - 1]);
}
