#include <gtest/gtest.h>

#include "config/MachineConfig.h"
#include "steps/AuxStep.h"
#include "steps/DrainStep.h"
#include "steps/SpinStep.h"
#include "steps/StepDescription.h"
#include "steps/SupplyStep.h"

using namespace korvanta;

namespace {

constexpr int kThreeCompartmentType = 2; // an older-generation type
constexpr int kFourCompartmentType = 18;

MachineConfig ConfigOfType(int type) {
    MachineConfig config;
    config.machineType = static_cast<uint8_t>(type);
    return config;
}

} // namespace

TEST(StepsSupplyDescription, NamesSoapsAndRemoteSuppliesPerGeneration) {
    struct Case {
        int type, soaps, remotes;
        const char *text;
    };
    const Case cases[] = {
        {kThreeCompartmentType, 1, 2, "Supply 1, 5"},
        {kFourCompartmentType, 1 | 16, 2, "Supply A, E, 2"},
        {kFourCompartmentType, 9, 0, "Supply A, D"},
        {kThreeCompartmentType, 9, 0, "Supply 1, 4"},
        {kThreeCompartmentType, 0, 1, "Supply 4"},
        {kFourCompartmentType, 0, 32, "Supply 6"},
        {kFourCompartmentType, 0, 0, "No supply"},
        {kThreeCompartmentType, 0, 0, "No supply"},
        // Bit 6 has no button but is described when a file brings it; bit 7 never is.
        {kFourCompartmentType, 64, 64, "Supply G, 7"},
        {kThreeCompartmentType, 64, 64, "Supply 7, 10"},
        {kThreeCompartmentType, 128, 128, "No supply"},
    };
    for (const auto &c : cases) {
        const auto step = WashRecord::WithCodes(RecordType::Supply, {c.soaps, c.remotes, 0, 45});
        EXPECT_EQ(SupplyStepDescription(step, ConfigOfType(c.type)), c.text)
            << c.type << " " << c.soaps << " " << c.remotes;
        EXPECT_EQ(StepDescription(step, ConfigOfType(c.type)), c.text);
    }
}

TEST(StepsDrainAuxSpinDescription, KnownAndUnknownCodes) {
    const MachineConfig config;
    struct Case {
        RecordType type;
        int code1;
        const char *text;
    };
    const Case cases[] = {
        {RecordType::Drain, 1, "Drain 1"},         {RecordType::Drain, 2, "Drain 2"},
        {RecordType::Drain, 0, "Unknown Drain"},   {RecordType::Drain, 3, "Unknown Drain"},
        {RecordType::Aux, 1, "Auxiliary 1"},       {RecordType::Aux, 5, "Auxiliary 5"},
        {RecordType::Aux, 7, "Auxiliary 7"},       {RecordType::Aux, 0, "Unknown Auxiliary"},
        {RecordType::Aux, 8, "Unknown Auxiliary"}, {RecordType::Spin, 500, "Spin 1"},
        {RecordType::Spin, 650, "Spin 2"},         {RecordType::Spin, 800, "Spin 3"},
        {RecordType::Spin, 1000, "Spin 4"},        {RecordType::Spin, 725, "Spin = 725 rpm"},
        {RecordType::Spin, 0, "Spin = 0 rpm"},     {RecordType::Spin, 1275, "Spin = 1275 rpm"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(StepDescription(WashRecord::WithCodes(c.type, {c.code1, 1, 0}), config), c.text)
            << c.code1;
}

TEST(StepsSupplyRules, MinimumTimeAppliesToSoapAOrDOnFourCompartmentsOnly) {
    struct Case {
        bool compartment;
        int soaps, minutes, seconds, expected;
    };
    const Case cases[] = {
        {true, 1, 0, 10, 15},  {true, 8, 0, 0, 15},  {true, 9, 0, 14, 15},
        {true, 1, 1, 5, 5},    {true, 1, 0, 15, 15}, {true, 2 | 4 | 16 | 32, 0, 10, 10},
        {false, 1, 0, 10, 10}, {false, 8, 0, 3, 3},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SupplySecondsAfterMinimumRule(c.compartment, c.soaps, c.minutes, c.seconds),
                  c.expected)
            << c.compartment << " " << c.soaps << " " << c.minutes << ":" << c.seconds;
}

TEST(StepsSpinRules, GForceTextRoundsToAWholeNumber) {
    struct Case {
        int rpm, drum;
        const char *text;
    };
    const Case cases[] = {
        {1000, 530, "G-Force : 296"},
        {500, 650, "G-Force : 91"},
        {500, 530, "G-Force : 74"},
        {200, 530, "G-Force : 12"},
        {0, 530, "G-Force : 0"},
        // A speed typed beyond the range shows four significant digits at most.
        {9999, 1095, "G-Force : 61090"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SpinGForceText(c.rpm, c.drum), c.text) << c.rpm << " " << c.drum;
}
