#include <gtest/gtest.h>

#include "config/ConfigRules.h"
#include "config/ConfigRulesConfirm.h"
#include "config/MachineTypeTable.h"

using namespace korvanta;

namespace {

WashData OneCycle(const std::vector<WashRecord> &steps) {
    std::vector<WashRecord> records = {WashRecord::MakeCycleStart(1, "Cycle 1")};
    records.insert(records.end(), steps.begin(), steps.end());
    records.push_back(WashRecord::MakeCycleEnd());
    records.push_back(WashRecord::MakeDataEnd());
    return WashData(records);
}

WashRecord Step(RecordType type, int n, int value) {
    WashRecord record = WashRecord::MakeStep(type);
    record.SetCode(n, value);
    return record;
}

// Code n of the i-th step of the only cycle.
int StepCode(const WashData &data, int i, int n) {
    return data.At(1 + i).Code(n);
}

ConfigChoice ChoiceFor(int type) {
    MachineConfig config;
    config.machineType = static_cast<uint8_t>(type);
    return ChoiceFromConfig(config);
}

} // namespace

TEST(ConfigRulesTexts, Lengths) {
    EXPECT_EQ(DimensionTextsFor(0, true).drumDiameter, "Diameter drum : 20.5 inch");
    EXPECT_EQ(DimensionTextsFor(21, false).offset, "Offset : -175 mm");
    EXPECT_EQ(LengthText(50, true), "1.5 inch");
    EXPECT_EQ(LengthText(-90, true), "-3.0 inch"); // truncation toward zero
}

TEST(ConfigRulesTexts, FlowText) {
    EXPECT_EQ(FlowText(false, "17"), "l");
    EXPECT_EQ(FlowText(true, "17"), "l (US gal.: 4.5 - Imp. gal.: 3.7 )");
    EXPECT_EQ(FlowText(true, "100"), "l (US gal.: 26.4 - Imp. gal.: 22.0 )");
    // An empty field while typing keeps the text shown before, without any error.
    EXPECT_EQ(FlowText(true, ""), std::nullopt);
    EXPECT_EQ(FlowText(true, "1x"), std::nullopt);
}

TEST(ConfigRulesTemps, SpinnerConversionAndRanges) {
    EXPECT_EQ(ConvertTempSpinner(20, true), 68);
    EXPECT_EQ(ConvertTempSpinner(75, true), 168);
    EXPECT_EQ(ConvertTempSpinner(168, false), 76);
    EXPECT_EQ(ConvertTempSpinner(68, false), 20);
    // Values outside the new range end at its nearest limit.
    EXPECT_EQ(ConvertTempSpinner(95, true), 200);
    EXPECT_EQ(ConvertTempSpinner(40, false), 10);
    EXPECT_EQ(TempSpinnerRangeFor(true).step, 2);
    EXPECT_EQ(TempSpinnerRangeFor(false).max, 90);
}

// Hot inlet 150 (75 degrees C) opened in English units shows 168 degrees F; OK stores 152,
// and a second round keeps 152.
TEST(ConfigConfirm, EnglishTemperatureRoundTrip) {
    MachineConfig config;
    config.units = 1;
    WashData data;
    for (int round = 0; round < 2; ++round) {
        ConfigChoice choice = ChoiceFromConfig(config);
        choice.coldTemp = ConvertTempSpinner(choice.coldTemp, true);
        choice.hotTemp = ConvertTempSpinner(choice.hotTemp, true);
        choice.tempsInCelsius = false;
        EXPECT_EQ(choice.hotTemp, 168);
        ConfirmConfig(config, data, choice);
        EXPECT_EQ(config.hotInletTemp, 152);
        EXPECT_EQ(config.coldInletTemp, 40);
    }
    EXPECT_TRUE(ConfigChanged(config, TakeSavedConfig(MachineConfig{})));
}

TEST(ConfigConfirm, UnchangedControlsStoreTheSameBytes) {
    for (const int type : {0, 8, 18, 27}) {
        MachineConfig config;
        config.machineType = static_cast<uint8_t>(type);
        config.drains = 0x21;
        config.inletOptions = 0x81; // bits we do not offer stay
        const ConfigBytes before = config.Bytes();
        WashData data;
        EXPECT_TRUE(ConfirmConfig(config, data, ChoiceFromConfig(config)).empty());
        EXPECT_EQ(config.Bytes(), before) << type;
    }
}

TEST(ConfigConfirm, StoredControls) {
    MachineConfig config;
    ConfigChoice choice = ChoiceFor(18);
    choice.drain1 = 2;
    choice.drain2 = 1;
    choice.extraInlet = true;
    choice.advanceEnabled = false;
    choice.chemHoldEnabled = true;
    choice.showTemp = false;
    choice.heatKW = 40;
    choice.listIndex = 9;
    WashData data;
    ConfirmConfig(config, data, choice);
    EXPECT_EQ(config.machineType, 27);
    EXPECT_EQ(config.drains, 0x12);
    EXPECT_EQ(config.inletOptions, 1);
    EXPECT_EQ(config.advance, 0);
    EXPECT_EQ(config.chemHold, 0);
    EXPECT_EQ(config.showTemp, 0);
    EXPECT_EQ(config.heatKW, 40);
}

TEST(ConfigConfirm, GenerationQuestions) {
    EXPECT_EQ(GenerationChangeQuestion(3, true),
              "Changing machine type to CT4!\nThe washdata is not compatible and will be "
              "cleared!\nContinue?");
    EXPECT_EQ(GenerationChangeQuestion(17, false), std::nullopt);
    EXPECT_EQ(GenerationChangeQuestion(27, true), std::nullopt);
}

TEST(ConfigConfirm, WashSpeedsFollowTheDrum) {
    const struct {
        int from;
        int to;
        int before;
        int after;
    } cases[] = {
        {0, 2, 41, 37},  {0, 2, 20, 18},  {0, 2, 30, 30}, {0, 10, 41, 41},
        {2, 13, 37, 28}, {13, 0, 14, 20}, {5, 5, 30, 30},
    };
    for (const auto &c : cases) {
        MachineConfig config;
        config.machineType = static_cast<uint8_t>(c.from);
        WashData data = OneCycle({Step(RecordType::Wash, 5, c.before)});
        ConfigChoice choice = ChoiceFromConfig(config);
        choice.fourCompartment = c.to >= kFirstCompartmentType;
        choice.listIndex = choice.fourCompartment ? c.to - kFirstCompartmentType : c.to;
        ConfirmConfig(config, data, choice);
        EXPECT_EQ(config.machineType, c.to);
        EXPECT_EQ(StepCode(data, 0, 5), c.after) << c.from << " -> " << c.to << " @ " << c.before;
    }
}

TEST(ConfigConfirm, ExtraInletRemoved) {
    const int before[] = {0x04, 0x14, 0x05, 0x06, 0x01, 0x84};
    const int after[] = {0x01, 0x11, 0x01, 0x02, 0x01, 0x81};
    std::vector<WashRecord> steps;
    for (const int code : before)
        steps.push_back(Step(RecordType::Fill, 1, code));
    WashData data = OneCycle(steps);
    MachineConfig config;
    ConfigChoice choice = ChoiceFromConfig(config);
    choice.extraInlet = false;
    const auto warnings = ConfirmConfig(config, data, choice);
    for (std::size_t i = 0; i < std::size(after); ++i)
        EXPECT_EQ(StepCode(data, static_cast<int>(i), 1), after[i]) << i;
    EXPECT_EQ(warnings, (std::vector<std::string>{kExtraInletMessage}));

    // With the extra inlet kept nothing changes and nothing is said.
    WashData kept = OneCycle({Step(RecordType::Fill, 1, 0x04)});
    choice.extraInlet = true;
    EXPECT_TRUE(ConfirmConfig(config, kept, choice).empty());
    EXPECT_EQ(StepCode(kept, 0, 1), 0x04);
}

TEST(ConfigConfirm, HardInletsAndSecondDrainInOrder) {
    WashData data = OneCycle({Step(RecordType::Fill, 1, 0x0D), Step(RecordType::Drain, 1, 2),
                              Step(RecordType::Drain, 1, 1), Step(RecordType::Drain, 1, 0)});
    MachineConfig config;
    ConfigChoice choice = ChoiceFromConfig(config);
    choice.drain2 = 0;
    const auto warnings = ConfirmConfig(config, data, choice);
    EXPECT_EQ(StepCode(data, 0, 1), 0x01);
    EXPECT_EQ(StepCode(data, 1, 1), 1);
    EXPECT_EQ(StepCode(data, 2, 1), 1);
    EXPECT_EQ(StepCode(data, 3, 1), 1);
    EXPECT_EQ(warnings, (std::vector<std::string>{kExtraInletMessage, kHardInletMessage,
                                                  kSecondDrainMessage}));

    // A second drain kept: drain steps stay on drain 2.
    WashData second = OneCycle({Step(RecordType::Drain, 1, 2)});
    choice.drain2 = 1;
    EXPECT_TRUE(ConfirmConfig(config, second, choice).empty());
    EXPECT_EQ(StepCode(second, 0, 1), 2);
}

TEST(ConfigConfirm, RecordsWithoutTheCodeAreLeftAlone) {
    WashRecord bare;
    bare.type = RecordType::Fill; // as a damaged file may bring it: no codes
    WashData data = OneCycle({bare});
    MachineConfig config;
    EXPECT_TRUE(ConfirmConfig(config, data, ChoiceFromConfig(config)).empty());
    EXPECT_FALSE(data.At(1).Has(1));
}
