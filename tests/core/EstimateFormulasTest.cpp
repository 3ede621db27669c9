#include <gtest/gtest.h>

#include "estimate/InletWater.h"
#include "estimate/LevelVolumes.h"
#include "estimate/WaterFormulas.h"

using namespace korvanta;

TEST(EstimateLevelVolume, TubModelMatchesKnownVolumes) {
    const struct {
        int type, level, dl;
    } cases[] = {
        // clang-format off
        // Type 18 from empty through Low: the jump to level 1 is the water below the scale.
        {18, 0, 0}, {18, 1, 77}, {18, 2, 84}, {18, 3, 92}, {18, 4, 100}, {18, 5, 108},
        {18, 6, 117}, {18, 7, 125}, {18, 8, 134}, {18, 9, 143}, {18, 10, 152}, {18, 11, 161},
        {18, 12, 170},
        // Low, Med./Fill, High and Over on a small and on the largest tub.
        {0, 12, 143}, {0, 20, 222}, {0, 28, 308}, {0, 80, 906},
        {13, 12, 1040}, {13, 20, 1401}, {13, 28, 1788}, {13, 80, 4702},
        // Below the scale holds nothing; far above the tub's top counts as a full tub.
        {18, -3, 0}, {18, 255, 1039},
        // clang-format on
    };
    for (const auto &c : cases)
        EXPECT_EQ(LevelVolume(c.level, c.type), c.dl) << "type " << c.type << " level " << c.level;

    const LevelVolumes volumes(18);
    EXPECT_EQ(volumes.VolumeAt(200), 887); // a level above 80 counts as 80
    EXPECT_EQ(volumes.VolumeAt(-1), 0);
    const struct {
        int64_t dl, level;
    } lookups[] = {{0, 0}, {1, 1}, {77, 1}, {78, 2}, {170, 12}, {171, 13}, {887, 80}, {5000, 80}};
    for (const auto &c : lookups)
        EXPECT_EQ(volumes.LevelFor(c.dl), c.level) << c.dl << " dl";
}

TEST(EstimateFormulas, RoundingAndWideIntermediates) {
    EXPECT_EQ(FillSeconds(170, 17), 60);
    EXPECT_EQ(FillSeconds(170, 0), 1020); // no flow is taken as 1 l/min
    EXPECT_EQ(HeatSeconds(143, 9000, 80), 354);
    EXPECT_EQ(HeatSeconds(143, 0, 80), 0);
    // volume x rise x 4186 and 3 x t x P pass 2^32: the intermediates must not be cut.
    EXPECT_EQ(HeatSeconds(4702, 1000, 255), 334602);
    EXPECT_EQ(HeatTemperature(4702, 40000, 0, 39540), 1205);
    EXPECT_EQ(VolumeIn(3, 1), 1);
    EXPECT_EQ(VolumeIn(2, 1), 0);
    EXPECT_EQ(MixTemperature(0, 50, 0, 90), 0);
    EXPECT_EQ(MixTemperature(100, 40, 50, 150), 77); // 76.7 rounds up
    EXPECT_EQ(ColdNeeded(100, 120, 40, 80), 200);
    EXPECT_EQ(ColdNeeded(100, 120, 40, 40), kColdNeverReaches);
}

TEST(EstimateInletWater, ControlledFlow) {
    const InletSupply normal{40, 150, 17};
    const struct {
        const char *what;
        InletSupply supply;
        int64_t target;
        bool extra;
        int64_t flow;
    } cases[] = {
        // clang-format off
        {"above the hot water", normal, 160, false, 17},
        {"below the cold water", normal, 30, false, 17},
        {"below the cold water, extra inlet", normal, 30, true, 34},
        {"both inlets at the target", {40, 40, 17}, 40, false, 34},
        {"both inlets at the target, extra inlet", {40, 40, 17}, 40, true, 51},
        {"nearer the hot water", normal, 120, false, 15},
        {"nearer the cold water", normal, 60, false, 13},
        {"nearer the cold water, extra inlet", normal, 60, true, 27},
        // Hot water barely warmer than cold and the target at the cold water: only cold water
        // flows, as below the cold temperature.
        {"target at cold, hot one step warmer", {40, 41, 17}, 40, false, 17},
        {"target at cold, hot two steps warmer, extra inlet", {40, 42, 17}, 40, true, 34},
        {"no flow configured", {40, 150, 0}, 120, false, 1},
        {"a share that rounds to nothing", {40, 150, 1}, 150, false, 1},
        // clang-format on
    };
    for (const auto &c : cases)
        EXPECT_EQ(ControlledFlow(c.target, c.extra, c.supply), c.flow) << c.what;
}

TEST(EstimateInletWater, FillAndSupplyWater) {
    const InletSupply supply{40, 150, 17};
    const struct {
        int inlets, temp;
        int64_t expectTemp, expectFlow;
    } fills[] = {
        // clang-format off
        {1, 0, 40, 17}, {1 | 4, 0, 40, 34}, {2, 0, 150, 17}, {2 | 4, 0, 95, 34},
        {3, 0, 95, 34}, {3 | 4, 0, 76, 51}, {0, 120, 120, 15}, {4, 120, 120, 15},
        {4, 255, 40, 17},     // the extra inlet alone
        {0, 255, 255, 17},    // no temperature without the extra inlet: taken as it stands
        {1 | 0xF8, 0, 40, 17}, // compartment, rotation and heat bits do not change the water
        // clang-format on
    };
    for (const auto &c : fills) {
        const InletWater water = FillWater(c.inlets, c.temp, supply);
        EXPECT_EQ(water.temperature, c.expectTemp) << "inlets " << c.inlets;
        EXPECT_EQ(water.flowLpm, c.expectFlow) << "inlets " << c.inlets;
    }

    const struct {
        bool compartmentMachine;
        int bits;
        int64_t expectTemp, expectFlow;
    } supplies[] = {
        // clang-format off
        {true, 0x01, 150, 17}, {true, 0x05, 95, 34}, {true, 0x20, 40, 17}, {true, 0x13, 150, 17},
        {true, 0x40, 40, 0},  // bit 6 opens nothing
        {false, 0x01, 40, 17}, {false, 0x02, 150, 17}, {false, 0x03, 95, 34},
        {false, 0x08, 40, 0}, // soap D does not exist on the 3-compartment generation
        // clang-format on
    };
    for (const auto &c : supplies) {
        const InletWater water = SupplyWater(c.bits, c.compartmentMachine, supply);
        EXPECT_EQ(water.temperature, c.expectTemp) << c.compartmentMachine << " " << c.bits;
        EXPECT_EQ(water.flowLpm, c.expectFlow) << c.compartmentMachine << " " << c.bits;
    }
}
