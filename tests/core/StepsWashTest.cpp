#include <gtest/gtest.h>

#include "StepsTestConfig.h"
#include "config/MachineConfig.h"
#include "steps/StepDescription.h"

using namespace korvanta;
using korvanta::testing::UnitsConfig;

namespace {

WashRecord Wash(int mode, int temp, int agitation, int pause) {
    return WashRecord::WithCodes(RecordType::Wash, {mode, temp, agitation, pause, 32, 5, 0});
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
        EXPECT_EQ(
            StepDescription(Wash(c.mode, c.temp, c.agitation, c.pause), UnitsConfig(c.english)),
            c.text);
}
