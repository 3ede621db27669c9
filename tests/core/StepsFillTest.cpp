#include <gtest/gtest.h>

#include "StepsTestConfig.h"
#include "config/MachineConfig.h"
#include "steps/FillStep.h"
#include "steps/StepDescription.h"

using namespace korvanta;
using korvanta::testing::UnitsConfig;

namespace {

constexpr int kPlainType = 2;        // no soap compartments to choose
constexpr int kCompartmentType = 18; // 4-compartment generation

WashRecord Fill(int code1, int code2, int code3) {
    return WashRecord::WithCodes(RecordType::Fill, {code1, code2, code3, 5, 0});
}

} // namespace

TEST(StepsFillDescription, InletLevelAndCompartments) {
    struct Case {
        int type;
        bool english;
        int code1, code2, code3;
        const char *text;
    };
    const Case cases[] = {
        {kPlainType, false, 1, 80, 12, "Cold Fill to Low Level"},
        {kPlainType, false, 2 | 4, 80, 28, "Hot+Aux Fill to High Level"},
        {kPlainType, false, 0, 80, 15, "40 \260C Fill to Level = 7.5 cm"},
        {kCompartmentType, true, 0 | 4 | 16 | 128, 80, 80,
         "104 \260F+Direct Fill to Overflow [PW]"},
        {kPlainType, false, 4, 255, 20, "Aux Fill to Med Level"},
        {kCompartmentType, true, 3 | 16, 80, 29, "Warm Fill to Level = 5.8 inch [P]"},
        {kCompartmentType, false, 1 | 128, 0, 12, "Cold Fill to Low Level [W]"},
        {kCompartmentType, false, 1, 0, 12, "Cold Fill to Low Level"},
        // Compartment bits mean nothing on older types.
        {kPlainType, false, 1 | 16 | 128, 0, 12, "Cold Fill to Low Level"},
        {kPlainType, false, 0, 120, 12, "60 \260C Fill to Low Level"},
        // A controlled temperature code is shown without the field's limits.
        {kPlainType, true, 0, 254, 12, "261 \260F Fill to Low Level"},
        // No inlet at all (only from a file): no inlet text.
        {kPlainType, false, 0, 255, 12, " Fill to Low Level"},
        {kPlainType, true, 1, 0, 28, "Cold Fill to High Level"},
        {kPlainType, true, 1, 0, 1, "Cold Fill to Level = 0.2 inch"},
        {kPlainType, false, 1, 0, 1, "Cold Fill to Level = 0.5 cm"},
        {kPlainType, false, 1, 0, 200, "Cold Fill to Level = 100.0 cm"},
        // Bit 3 and the rotation and heat bits do not show.
        {kPlainType, false, 1 | 8 | 32 | 64, 0, 12, "Cold Fill to Low Level"},
    };
    for (const auto &c : cases) {
        const WashRecord step = Fill(c.code1, c.code2, c.code3);
        EXPECT_EQ(StepDescription(step, UnitsConfig(c.english, c.type)), c.text)
            << c.code1 << "/" << c.code2 << "/" << c.code3;
    }
}

TEST(StepsFillInlet, StoreFromButtons) {
    struct Case {
        std::optional<FillInlet> down;
        bool reuse;
        int code1Before, code1, code2;
    };
    const Case cases[] = {
        {FillInlet::Cold, false, 0, 1, 90},
        {FillInlet::Hot, true, 0, 2 | 4, 90},
        {FillInlet::Controlled, false, 0, 0, 90},
        {FillInlet::Controlled, true, 0, 4, 90},
        // Only the auxiliary inlet: no temperature.
        {std::nullopt, true, 1, 4, 255},
        // Nothing down: a fill always has an inlet, so it becomes cold.
        {std::nullopt, false, 3, 1, 90},
        // Bits 4-7 stay, bits 0-3 (bit 3 included) are rewritten.
        {FillInlet::Warm, false, 0xFF, 0xF3, 90},
    };
    for (const auto &c : cases) {
        const FillInletCodes codes = FillInletStore(c.code1Before, {c.down, c.reuse}, 90);
        EXPECT_EQ(codes.code1, c.code1) << c.code1Before << " reuse " << c.reuse;
        EXPECT_EQ(codes.code2, c.code2);
    }
    EXPECT_EQ(FillInletShown(0, 255), std::nullopt);
    EXPECT_EQ(FillInletShown(4, 255), std::nullopt);
    EXPECT_EQ(FillInletShown(0, 80), FillInlet::Controlled);
    EXPECT_EQ(FillInletShown(2, 255), FillInlet::Hot);
}

TEST(StepsFillLoad, CorrectionsOfTheRecord) {
    struct Case {
        int type, code1, code2;
        int code1After, code2After;
        bool changed;
    };
    const Case cases[] = {
        {kPlainType, 2, 255, 2, 0, true},    // a hot fill cannot lack a temperature
        {kPlainType, 4, 255, 4, 255, false}, // the auxiliary inlet alone keeps it
        {kPlainType, 0, 255, 0, 255, false},
        {kCompartmentType, 1, 0, 1 | 16, 0, true}, // no compartment: prewash
        {kCompartmentType, 1 | 128, 0, 1 | 128, 0, false},
        {kPlainType, 1, 0, 1, 0, false}, // older types have no compartments
        {kCompartmentType, 3, 255, 3 | 16, 0, true},
    };
    for (const auto &c : cases) {
        WashRecord record = Fill(c.code1, c.code2, 12);
        EXPECT_EQ(FillCorrectOnLoad(record, UnitsConfig(false, c.type)), c.changed);
        EXPECT_EQ(record.Code(1), c.code1After);
        EXPECT_EQ(record.Code(2), c.code2After);
    }
}

TEST(StepsFillVolume, MetricLitresAndEnglishGallons) {
    EXPECT_EQ(FillVolumeText(450, false), "(45.0 l)");
    EXPECT_EQ(FillVolumeText(450, true), "(11.9 US 9.9 Imp gal)");
    EXPECT_EQ(FillVolumeText(0, false), "(0.0 l)");
    EXPECT_EQ(FillVolumeText(77, false), "(7.7 l)");
    EXPECT_EQ(FillVolumeText(1234, true), "(32.6 US 27.1 Imp gal)");
    EXPECT_STREQ(FillReuseCaption(UnitsConfig(false, kCompartmentType)), "Direct Fill");
    EXPECT_STREQ(FillReuseCaption(UnitsConfig(false, kPlainType)), "Aux Fill");
}
