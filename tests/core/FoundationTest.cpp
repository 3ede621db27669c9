#include <gtest/gtest.h>

#include "config/MachineConfig.h"
#include "config/MachineTypeTable.h"
#include "model/Conversions.h"
#include "model/CycleStarts.h"
#include "model/DurationText.h"
#include "model/WashDataSize.h"
#include "model/WashData.h"

using namespace korvanta;

namespace {

WashData MakeData(int cycles, int stepsEach) {
    WashData data;
    for (int c = 0; c < cycles; ++c) {
        std::size_t at = data.Size() - 1;
        data.Insert(at++, WashRecord::MakeCycleStart(c + 1, "Cycle " + std::to_string(c + 1)));
        for (int s = 0; s < stepsEach; ++s)
            data.Insert(at++, WashRecord::MakeStep(RecordType::Drain));
        data.Insert(at, WashRecord::MakeCycleEnd());
    }
    return data;
}

} // namespace

TEST(Conversions, WorkedExamples) {
    struct Case { int (*fn)(int); int in; int out; };
    const Case cases[] = {
        {CodeToFahrenheit, 0, 32},         {CodeToFahrenheit, 80, 104},
        {CodeToFahrenheit, 255, 262},      {CodeToCelsius, 81, 40},
        {CodeToCelsius, 255, 127},         {CelsiusToCode, 40, 80},
        {CelsiusToCode, 95, 190},          {FahrenheitToCode, 32, 0},
        {FahrenheitToCode, 104, 80},       {FahrenheitToCode, 212, 200},
        {FahrenheitToCelsius, 104, 40},    {FahrenheitToCelsius, 212, 100},
        {CelsiusToFahrenheitEven, 20, 68}, {CelsiusToFahrenheitEven, 75, 168},
        {LevelToTenthInch, 1, 2},          {LevelToTenthInch, 40, 78},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.fn(c.in), c.out) << "input " << c.in;
    EXPECT_EQ(LitresToImperialGallons(100), 22);
    EXPECT_EQ(LitresToUsGallons(100), 26);
    // Just below and at the half-gallon boundary.
    EXPECT_EQ(LitresToUsGallons(1.8924L), 0);
    EXPECT_EQ(LitresToUsGallons(1.9L), 1);
}

TEST(MachineTypes, WashSpeedsByDrum) {
    const struct { int type; int normal; int gentle; } cases[] = {
        {0, 41, 20}, {2, 37, 18}, {15, 36, 18}, {3, 34, 17}, {22, 32, 16}, {5, 30, 15}, {13, 28, 14},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(NormalWashSpeed(c.type), c.normal) << c.type;
        EXPECT_EQ(GentleWashSpeed(c.type), c.gentle) << c.type;
    }
    for (int t = 0; t < kMachineTypeCount; ++t) {
        EXPECT_EQ(IsCompartmentMachine(t), t >= 18) << t;
        EXPECT_EQ(MachineTypeAt(t).dimensionRow, t);
    }
    EXPECT_EQ(MachineTypeAt(99).designation, std::string("Type 27"));
}

TEST(MachineConfigRecord, DefaultsAndSnapshot) {
    MachineConfig config;
    const ConfigBytes expected{18, 0, 0x01, 0, 9, 1, 1, 2, 2, 5, 1, 17, 40, 150};
    EXPECT_EQ(config.Bytes(), expected);
    SavedConfig saved = TakeSavedConfig(config);
    EXPECT_FALSE(ConfigChanged(config, saved));
    config.units = 2;
    EXPECT_FALSE(config.English());
    EXPECT_TRUE(ConfigChanged(config, saved));
    MachineConfig copy;
    copy.SetBytes(config.Bytes());
    EXPECT_EQ(copy.Bytes(), config.Bytes());
}

TEST(WashDataModel, EmptyAndCounts) {
    WashData empty;
    EXPECT_EQ(empty.CycleCount(), 0);
    EXPECT_FALSE(empty.CycleStartIndex(1));
    CycleStarts starts;
    starts.Rebuild(empty);
    EXPECT_FALSE(starts[1]);

    WashData data = MakeData(3, 2);
    data.Insert(4, WashRecord::MakeCycleEnd()); // no effect on the first cycle's count rule
    EXPECT_EQ(data.CycleCount(), 3);
    EXPECT_EQ(data.StepCount(1), 2);
    EXPECT_EQ(data.StepCount(4), 0);
    EXPECT_EQ(data.LowestFreeNumber(), 4);
}

TEST(WashDataModel, CycleStartsHoldsNinetyNine) {
    WashData data = MakeData(100, 0);
    data.At(*data.CycleStartIndex(100)).SetCode(1, 100); // out of range number
    CycleStarts starts;
    starts.Rebuild(data);
    EXPECT_FALSE(starts[0]);
    EXPECT_EQ(starts[1], 0u);
    EXPECT_EQ(starts[99], 98u * 2);
    EXPECT_EQ(starts[150], starts[99]);
    EXPECT_FALSE(data.LowestFreeNumber());
    EXPECT_FALSE(data.Used().test(0));
}

TEST(WashDataModel, SnapshotIgnoresTime) {
    WashData data = MakeData(1, 2);
    const WashData snapshot = data;
    data.At(1).time = 99;
    EXPECT_FALSE(ChangedSinceSnapshot(snapshot, data));
    data.At(1).SetCode(2, 1);
    EXPECT_TRUE(ChangedSinceSnapshot(snapshot, data));
    data = snapshot;
    data.At(0).name = "Other";
    EXPECT_TRUE(ChangedSinceSnapshot(snapshot, data));
    data = snapshot;
    data.Erase(1);
    EXPECT_TRUE(ChangedSinceSnapshot(snapshot, data));
}

TEST(StatusBarRules, DurationTextAndFileSize) {
    const struct { uint32_t s; const char *text; } cases[] = {
        {0, "0:00"}, {125, "2:05"}, {3600, "60:00"}, {3659, "60:59"}, {3660, "1h01"}, {36000, "10h00"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DurationText(c.s), c.text);
    EXPECT_EQ(WashDataFileSize(MakeData(2, 0)), 101u);
    EXPECT_EQ(WashDataFileSize(MakeData(1, 1)), 85u);
}
