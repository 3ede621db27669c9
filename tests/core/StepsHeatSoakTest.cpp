#include <gtest/gtest.h>

#include "StepsTestConfig.h"
#include "config/MachineConfig.h"
#include "steps/HeatSoakCodes.h"
#include "steps/StepDescription.h"
#include "steps/TempScale.h"

using namespace korvanta;
using korvanta::testing::UnitsConfig;

TEST(StepsHeatSoakDescription, WordTwoBlanksAndTemperature) {
    struct Case {
        RecordType type;
        bool english;
        int code;
        const char *text;
    };
    const Case cases[] = {
        {RecordType::Soak, false, 80, "Soak  (40 \260C)"},
        {RecordType::Soak, true, 0, "Soak  (32 \260F)"},
        {RecordType::Heat, false, 120, "Heat  (60 \260C)"},
        {RecordType::Heat, true, 131, "Heat  (150 \260F)"},
        {RecordType::Heat, true, 9, "Heat  (40 \260F)"},
    };
    for (const auto &c : cases) {
        WashRecord record;
        SetHeatSoakCodes(record, c.type, {c.code, 2, 0});
        EXPECT_EQ(StepDescription(record, UnitsConfig(c.english)), c.text);
        EXPECT_EQ(record.Code(2), 2);
        EXPECT_FALSE(record.Has(4));
    }
}

TEST(StepsHeatTempField, CodesSurviveDisplayAsTheFieldShowsThem) {
    const struct {
        bool english;
        int code, shown, stored;
    } cases[] = {
        {false, 81, 40, 80},   {false, 80, 40, 80},   {true, 75, 100, 76},   {true, 80, 104, 80},
        {true, 131, 150, 131}, {false, 191, 95, 190}, {false, 255, 95, 190}, {true, 187, 200, 187},
        {true, 188, 200, 187}, {true, 0, 32, 0},      {false, 20, 10, 20},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(TempFieldShown(c.code, UnitsConfig(c.english)), c.shown) << c.code;
        EXPECT_EQ(TempRoundTrip(c.code, UnitsConfig(c.english)), c.stored) << c.code;
    }
    // A field still holding a value of the other unit never gives a code outside a byte.
    EXPECT_EQ(TempFieldCode(200, UnitsConfig(false)), 190);
    EXPECT_EQ(TempFieldCode(0, UnitsConfig(true)), 0);
    EXPECT_EQ(TempFieldCode(40, UnitsConfig(true)), 9);
    EXPECT_EQ(TempFieldCode(40, UnitsConfig(false)), 80);
    EXPECT_EQ(EnglishTemplateCorrection(9, UnitsConfig(true)), 80);
    EXPECT_EQ(EnglishTemplateCorrection(9, UnitsConfig(false)), std::nullopt);
    EXPECT_EQ(EnglishTemplateCorrection(10, UnitsConfig(true)), std::nullopt);
}
