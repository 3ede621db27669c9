#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PrintGolden.h"
#include "WashDataFileSamples.h"
#include "print/ConfigSection.h"
#include "print/ReportTexts.h"
#include "print/TextReport.h"

namespace korvanta {
namespace {

const std::string kHeader = "Korvanta Planner v2.04: Week.kvt\tWed 9 December 2026 - 07:05\r\n\r\n";

ReportRequest Request(std::vector<int> rows, bool config) {
    return ReportRequest{std::move(rows), config, "Week.kvt", "Wed 9 December 2026 - 07:05"};
}

std::string Report(WashData data, const MachineConfig &config, const ReportRequest &request) {
    WarningMarks marks;
    return TextReport(data, config, marks, request);
}

// The configuration section in its text form, one entry per line.
std::vector<std::string> ConfigTexts(const MachineConfig &config) {
    std::vector<std::string> texts;
    for (const ConfigLine &line : ConfigSectionLines(config))
        texts.push_back(ConfigLineText(line));
    return texts;
}

bool Contains(const std::vector<std::string> &lines, const std::string &line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(PrintTexts, Durations) {
    struct Case {
        uint32_t seconds;
        const char *step;
        const char *total;
    } cases[] = {
        {0, "0:00", "Estimated duration: 0:00:00"},
        {125, "2:05", "Estimated duration: 0:02:05"},
        {2525, "42:05", "Estimated duration: 0:42:05"},
        {3725, "62:05", "Estimated duration: 1:02:05"},
        {360059, "6000:59", "Estimated duration: 100:00:59"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(StepDurationText(c.seconds), c.step) << c.seconds;
        EXPECT_EQ(EstimatedDurationText(c.seconds), c.total) << c.seconds;
    }
}

TEST(PrintTextReport, ThreeCyclesAndConfigurationGolden) {
    const std::string report =
        Report(samples::ThreeCycles(), samples::SampleConfig(), Request({1, 2, 3}, true));
    ExpectReportGolden("report-three-cycles.txt", report);
}

TEST(PrintTextReport, RowsAreTakenInListOrderAndMissingRowsSkipped) {
    const std::string report =
        Report(samples::ThreeCycles(), samples::SampleConfig(), Request({3, 7, 1}, false));
    const std::size_t quick = report.find("Cycle 12: Quick wash 17char\t");
    const std::size_t first = report.find("Cycle 3: Cycle 3\tEstimated duration: 0:00:15\r\n");
    ASSERT_NE(quick, std::string::npos);
    ASSERT_NE(first, std::string::npos);
    EXPECT_LT(first, quick);
    EXPECT_EQ(report.find("Whites"), std::string::npos);
    EXPECT_EQ(report.substr(report.size() - 6), "\r\n\r\n\r\n");
}

TEST(PrintTextReport, OnlyConfigurationGivesHeaderThreeLineEndsAndSection) {
    const std::string report =
        Report(samples::ThreeCycles(), samples::SampleConfig(), Request({}, true));
    EXPECT_EQ(report.rfind(kHeader + "\r\n\r\n\r\nMachine\r\n- Machine type : Type 18\r\n", 0), 0u)
        << report;
}

TEST(PrintTextReport, UnknownRecordAndUnclosedCycle) {
    // A damaged file: a record of type 9 and a cycle that runs into DataEnd without CycleEnd.
    WashRecord odd = WashRecord::MakeStep(RecordType::Drain);
    odd.type = static_cast<RecordType>(9);
    WashData data({WashRecord::MakeCycleStart(5, "Odd"), samples::Step(RecordType::Drain, {1}), odd,
                   WashRecord::MakeDataEnd()});
    const std::string report = Report(data, MachineConfig{}, Request({1}, false));
    EXPECT_EQ(report, kHeader + "\r\nCycle 5: Odd\tEstimated duration: 0:00:15\r\n" +
                          "\t1\t[0:15]\tDrain 1\r\n\t\tUnknown! \r\n\r\n\r\n\r\n");
}

TEST(PrintConfigSection, RowsFollowTheCoinKindOfTheType) {
    struct Case {
        int type;
        bool coin;
    } cases[] = {{0, false}, {8, true}, {18, false}, {23, true}};
    for (const Case &c : cases) {
        MachineConfig config;
        config.machineType = static_cast<uint8_t>(c.type);
        const auto lines = ConfigTexts(config);
        EXPECT_EQ(Contains(lines, "- Temperature : Show"), c.coin) << c.type;
        EXPECT_EQ(Contains(lines, "- Advance : Enabled"), !c.coin) << c.type;
        EXPECT_EQ(Contains(lines, "- Chemical hold : Disabled"), !c.coin) << c.type;
    }
}

TEST(PrintConfigSection, EnglishUnits) {
    MachineConfig config;
    config.machineType = 0;
    config.units = 1;
    config.coldInletTemp = 40;
    config.hotInletTemp = 150;
    config.levelHysteresis = 1;
    config.tempHysteresis = 3;
    const auto lines = ConfigTexts(config);
    for (const char *line : {"- Cold inlet temperature : 68 \xB0"
                             "F",
                             "- Hot inlet temperature : 168 \xB0"
                             "F",
                             "\t-> Offset : 1.5 inch", "\t-> Diameter drum : 20.5 inch",
                             "- Units : English", "- Level hysteresis : 1/2 inch",
                             "- Temperature hysteresis : 6 \xB0"
                             "F"})
        EXPECT_TRUE(Contains(lines, line)) << line;
}

TEST(PrintConfigSection, DrainsAndInletsByGeneration) {
    struct Case {
        int type;
        int drains;
        int inlets;
        const char *drain1;
        const char *drain2;
        const char *inlet;
    } cases[] = {
        {0, 0x01, 0, "Valve", "No drain", "None"},
        {0, 0x12, 1, "Pump", "Valve", "Aux Fill"},
        {0, 0x20, 0, "No drain", "Pump", "None"},
        {18, 0x11, 1, "Valve", "Dual drain", "Direct Fill"},
        {18, 0x5F, 2, "", "", "None"}, // values no dialog button stands for
    };
    for (const Case &c : cases) {
        MachineConfig config;
        config.machineType = static_cast<uint8_t>(c.type);
        config.drains = static_cast<uint8_t>(c.drains);
        config.inletOptions = static_cast<uint8_t>(c.inlets);
        const auto lines = ConfigTexts(config);
        EXPECT_TRUE(Contains(lines, std::string("- Drain 1 : ") + c.drain1)) << c.drains;
        EXPECT_TRUE(Contains(lines, std::string("- Drain 2 : ") + c.drain2)) << c.drains;
        EXPECT_TRUE(Contains(lines, std::string("- Inlet options : ") + c.inlet)) << c.inlets;
    }
}

TEST(PrintConfigSection, HysteresisIndexOutsideTheListShowsNoItem) {
    MachineConfig config;
    config.levelHysteresis = 200;
    config.tempHysteresis = 4;
    const auto lines = ConfigTexts(config);
    EXPECT_TRUE(Contains(lines, "- Level hysteresis :  cm"));
    EXPECT_TRUE(Contains(lines, "- Temperature hysteresis :  \xB0"
                                "C"));
}

} // namespace
} // namespace korvanta
