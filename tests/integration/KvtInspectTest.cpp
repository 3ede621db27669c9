#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "../core/WashDataFileMessages.h"
#include "comm/BoardInfo.h"
#include "MachineSimHarness.h"

namespace fs = std::filesystem;

namespace {

struct KvtRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Sample(const std::string &name) {
    return fs::path(KVT_TEST_DATA_DIR) / name;
}

class KvtInspect : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("kvt-inspect-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs kvt with the arguments; env entries win over the test's environment.
    static KvtRun Kvt(const std::vector<std::string> &args,
                      const std::map<std::string, std::string> &env = {}) {
        std::vector<std::string> extraEnv = {"LC_ALL=C.UTF-8"};
        for (const auto &[key, value] : env)
            extraEnv.push_back(key + "=" + value);
        const machinesim::RunResult result = machinesim::Run(KVT_BINARY, args, extraEnv);
        return KvtRun{result.status, result.out, result.err};
    }

    fs::path folder_;
};

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Cells(const std::string &line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        cells.push_back(line.substr(start, tab - start));
    cells.push_back(line.substr(start));
    return cells;
}

std::string Latin1ToUtf8(const std::string &bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

std::string Line(const char *message) {
    return std::string(message) + "\n";
}

// 8 December 2025 11:55 UTC, the stamp of the golden files.
const std::map<std::string, std::string> kGoldenSaver = {{"SOURCE_DATE_EPOCH", "1765194900"},
                                                         {"USERNAME", "golden"}};

} // namespace

TEST_F(KvtInspect, InfoShowsHeaderFields) {
    const KvtRun run = Kvt({"info", Sample("three-cycles.kvt")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "FormatByte\t44\nFormatLevel\t119\nMachineType\t18\nUnits\t0\n"
                       "Drains\t33\nInletOptions\t1\nHeatKW\t9\nAdvance\t1\nChemHold\t1\n"
                       "LevelHysteresis\t2\nTempHysteresis\t2\nSpinRetries\t5\nShowTemp\t1\n"
                       "FlowRate\t17\nColdInletTemp\t40\nHotInletTemp\t150\n"
                       "SaveStamp\t0812251155\nSavedBy\tgolden              \nCycles\t3\n"
                       "Size\t186\n");

    const KvtRun old = Kvt({"info", Sample("three-cycles-format10.kvt")});
    ASSERT_EQ(old.exitCode, 0);
    const auto lines = Lines(old.out);
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[0], "FormatByte\t10");
    EXPECT_EQ(lines[1], "FormatLevel\t100");
    EXPECT_EQ(lines[12], "ShowTemp\t1");
    EXPECT_EQ(lines[13], "FlowRate\t17");
    EXPECT_EQ(lines[16], "SaveStamp\t") << "format 10 holds no stamp";
    EXPECT_EQ(lines[19], "Size\t186") << "the size a save would give";
}

// The rows without their last (Time) column.
std::vector<std::string> WithoutTimes(const std::string &text) {
    std::vector<std::string> rows;
    for (const std::string &line : Lines(text))
        rows.push_back(line.substr(0, line.rfind('\t')));
    return rows;
}

TEST_F(KvtInspect, DumpMatchesTheRawRowsWithEstimatedTimes) {
    for (const std::string name : {"three-cycles", "three-cycles-format41", "cut-short"}) {
        const KvtRun run = Kvt({"dump", Sample(name + ".kvt")});
        ASSERT_EQ(run.exitCode, 0) << name << run.err;
        std::string golden = ReadFile(Sample(name + ".dump"));
        golden = Latin1ToUtf8(golden.substr(golden.find('\n') + 1)); // drop the configuration line
        EXPECT_EQ(WithoutTimes(run.out), WithoutTimes(golden)) << name;
        const KvtRun headed = Kvt({"dump", "--heading", Sample(name + ".kvt")});
        EXPECT_EQ(headed.out,
                  "Type\tCode1\tCode2\tCode3\tCode4\tCode5\tCode6\tCode7\tTime\n" + run.out)
            << name;
    }
    // A step row carries its estimated seconds, not the 0 the file holds.
    const auto rows = Lines(Kvt({"dump", Sample("three-cycles.kvt")}).out);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_NE(rows[1].substr(rows[1].rfind('\t') + 1), "0") << rows[1];
}

TEST_F(KvtInspect, ListStepsAndEstimateAgree) {
    const KvtRun list = Kvt({"list", Sample("three-cycles.kvt")});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    const auto cycles = Lines(list.out);
    ASSERT_EQ(cycles.size(), 3u);
    const std::regex duration("[0-9]+:[0-5][0-9]|[0-9]+h[0-5][0-9]");
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"3", "Cycle 3"}, {"1", "Whites 60\u00B0C"}, {"12", "Quick wash 17char"}};
    const KvtRun json = Kvt({"--json", "estimate", Sample("three-cycles.kvt")});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(json.out.rfind("{\"machineType\": 18, \"units\": 0, \"size\": 186,", 0), 0u);
    for (std::size_t i = 0; i < cycles.size(); ++i) {
        const auto cells = Cells(cycles[i]);
        ASSERT_EQ(cells.size(), 3u) << cycles[i];
        EXPECT_EQ(cells[0], expected[i].first);
        EXPECT_EQ(cells[1], expected[i].second);
        EXPECT_TRUE(std::regex_match(cells[2], duration)) << cells[2];
        const std::string cycleJson =
            "{\"number\": " + cells[0] + ", \"name\": \"" + cells[1] + "\", \"total\": ";
        const auto at = json.out.find(cycleJson);
        ASSERT_NE(at, std::string::npos) << cycleJson;
        EXPECT_NE(json.out.find("\"duration\": \"" + cells[2] + "\"", at), std::string::npos);

        const KvtRun steps = Kvt({"steps", Sample("three-cycles.kvt"), cells[0]});
        ASSERT_EQ(steps.exitCode, 0) << steps.err;
        const auto stepLines = Lines(steps.out);
        const std::size_t stepCounts[] = {1, 8, 4};
        ASSERT_EQ(stepLines.size(), stepCounts[i]) << cells[0];
        for (std::size_t p = 0; p < stepLines.size(); ++p) {
            const auto stepCells = Cells(stepLines[p]);
            ASSERT_EQ(stepCells.size(), 3u);
            EXPECT_EQ(stepCells[0], std::to_string(p + 1));
            EXPECT_FALSE(stepCells[1].empty());
            EXPECT_TRUE(std::regex_match(stepCells[2], duration)) << stepCells[2];
            EXPECT_NE(json.out.find("\"description\": \"" + stepCells[1] + "\"", at),
                      std::string::npos)
                << stepCells[1];
        }
    }
    EXPECT_NE(json.out.find("{\"position\": 1, \"type\": 4, \"codes\": [1, 1, 0], \"time\": "),
              std::string::npos);
}

TEST_F(KvtInspect, ResaveReproducesTheGoldenFile) {
    for (const std::string name :
         {"three-cycles", "three-cycles-format40", "three-cycles-format11"}) {
        const fs::path out = folder_ / (name + "-resaved.kvt");
        const KvtRun run = Kvt({"resave", Sample(name + ".kvt"), out}, kGoldenSaver);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out + run.err, "");
        if (name == "three-cycles-format11") {
            // Older layouts get the defaults for the bytes they lack; this one held all but
            // the three newest with the golden values.
            EXPECT_EQ(ReadFile(out).size(), 186u);
            continue;
        }
        EXPECT_EQ(ReadFile(out), ReadFile(Sample("three-cycles.kvt"))) << name;
    }
}

TEST_F(KvtInspect, DamagedFilesFailWithTheSystemMessage) {
    const std::pair<std::string, std::string> files[] = {
        {"bad-signature.kvt", Line(korvanta::messages::kSignatureFailure)},
        {"bad-format.kvt", Line(korvanta::messages::kFormatFailure)},
        {"unknown-machine.kvt", Line(korvanta::messages::kUnknownMachine)},
        {"does-not-exist.kvt", "Unable to open " + Sample("does-not-exist.kvt") + "\n"},
    };
    for (const auto &[name, message] : files) {
        const std::vector<std::vector<std::string>> commands = {
            {"info", Sample(name)},
            {"list", Sample(name)},
            {"dump", Sample(name)},
            {"steps", Sample(name), "1"},
            {"estimate", "--json", Sample(name)},
            {"resave", Sample(name), folder_ / "out.kvt"}};
        for (const auto &command : commands) {
            const KvtRun run = Kvt(command);
            EXPECT_EQ(run.exitCode, 1) << command[0] << " " << name;
            EXPECT_EQ(run.err, message) << command[0] << " " << name;
            EXPECT_EQ(run.out, "") << command[0] << " " << name;
        }
        EXPECT_FALSE(fs::exists(folder_ / "out.kvt")) << "a failed load writes nothing";
    }
}

TEST_F(KvtInspect, OperationFailures) {
    const KvtRun missingCycle = Kvt({"steps", Sample("three-cycles.kvt"), "5"});
    EXPECT_EQ(missingCycle.exitCode, 1);
    EXPECT_EQ(missingCycle.err, "Cycle 5 not found!\n");

    const fs::path target = folder_ / "no-folder" / "x.kvt";
    const KvtRun unsaved = Kvt({"resave", Sample("three-cycles.kvt"), target});
    EXPECT_EQ(unsaved.exitCode, 1);
    EXPECT_EQ(unsaved.err, "Unable to save " + target.string() + "\n");
}

TEST_F(KvtInspect, WrongUsageExitsWithTwo) {
    const std::vector<std::vector<std::string>> usages = {
        {},
        {"frobnicate"},
        {"info"},
        {"info", "a", "b"},
        {"steps", Sample("three-cycles.kvt")},
        {"steps", Sample("three-cycles.kvt"), "one"},
        {"estimate", Sample("three-cycles.kvt")},
        {"--no-such-option", "info", Sample("three-cycles.kvt")},
        {"--retries", "x", "ports"},
    };
    for (const auto &args : usages) {
        const KvtRun run = Kvt(args);
        EXPECT_EQ(run.exitCode, 2) << (args.empty() ? "(none)" : args[0]);
        EXPECT_FALSE(run.err.empty());
        EXPECT_EQ(run.out, "");
    }
    const KvtRun help = Kvt({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("kvt info FILE"), std::string::npos);
    const KvtRun version = Kvt({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    // The same version as the planner's title bar and board information.
    EXPECT_EQ(version.out, "kvt " + korvanta::PlannerVersionText() + "\n");
}

// Texts in files are Windows-1252: the terminal gets UTF-8, and a resave keeps the bytes.
TEST_F(KvtInspect, Windows1252NamesAndSaverFallback) {
    std::string image = ReadFile(Sample("empty.kvt"));
    image.pop_back(); // DataEnd
    const std::string name = "\x80\x9F\xB0\xFF\x81";
    image += std::string("\x00\x07", 2) + name + std::string(17 - name.size(), '\0');
    image += std::string("\xFE\xFF");
    const fs::path file = folder_ / "names.kvt";
    std::ofstream(file, std::ios::binary) << image;

    const KvtRun list = Kvt({"list", file});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    EXPECT_EQ(list.out, "7\t\u20AC\u0178\u00B0\u00FF\u0081\t0:00\n");

    const fs::path out = folder_ / "resaved.kvt";
    auto saver = kGoldenSaver;
    saver["USERNAME"] = ""; // a user name that is empty gives way to the computer name
    ASSERT_EQ(Kvt({"resave", file, out}, saver).exitCode, 0);
    const std::string resaved = ReadFile(out);
    ASSERT_EQ(resaved.size(), image.size());
    EXPECT_EQ(resaved.substr(60), image.substr(60)) << "the name keeps its bytes";
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    std::string expected = std::string(host).substr(0, 20);
    expected.resize(20, ' ');
    EXPECT_EQ(resaved.substr(40, 20), expected);
}

TEST_F(KvtInspect, JsonEscapesNames) {
    std::string image = ReadFile(Sample("empty.kvt"));
    image.pop_back(); // DataEnd
    const std::string name = "A\"B\\C\x01\t\xB0";
    image += std::string("\x00\x02", 2) + name + std::string(17 - name.size(), '\0');
    image += std::string("\xFE\xFF");
    const fs::path file = folder_ / "quotes.kvt";
    std::ofstream(file, std::ios::binary) << image;
    const KvtRun run = Kvt({"estimate", file, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "{\"machineType\": 18, \"units\": 0, \"size\": 81,\n"
                       " \"cycles\": [{\"number\": 2, \"name\": \"A\\\"B\\\\C\\u0001\\t\u00B0\", "
                       "\"total\": 0, \"duration\": \"0:00\", \"marked\": false,\n"
                       "   \"steps\": []}]}\n");
}

// A file may lack a CycleEnd, so that the next CycleStart stands inside a cycle. The step list
// shows it in its place as "unknown command" without a duration; the JSON lists it as well.
TEST_F(KvtInspect, CycleStartInsideACycleIsAnUnknownCommand) {
    std::string image = ReadFile(Sample("empty.kvt"));
    image.pop_back(); // DataEnd
    const std::string drain("\x04\x01\x00\x1e", 4);
    const std::string spin("\x05\x64\x00\x1e", 4); // 500 rpm
    image += std::string("\x00\x01", 2) + "A" + std::string(16, '\0') + drain;
    image += std::string("\x00\x02", 2) + "B" + std::string(16, '\0') + spin + "\xFE\xFF";
    const fs::path file = folder_ / "nested.kvt";
    std::ofstream(file, std::ios::binary) << image;

    const KvtRun steps = Kvt({"steps", file, "1"});
    ASSERT_EQ(steps.exitCode, 0) << steps.err;
    const auto lines = Lines(steps.out);
    ASSERT_EQ(lines.size(), 3u) << steps.out;
    EXPECT_EQ(Cells(lines[0])[1], "Drain 1");
    EXPECT_EQ(lines[1], "2\tunknown command\t");
    EXPECT_EQ(Cells(lines[2])[0], "3");
    EXPECT_EQ(Cells(lines[2])[1], "Spin 1");

    const KvtRun json = Kvt({"estimate", file, "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_NE(json.out.find("{\"position\": 2, \"type\": 0, \"codes\": [], \"time\": 0, "
                            "\"duration\": \"0:00\", \"marked\": false, "
                            "\"description\": \"unknown command\", \"remark\": \"\"}"),
              std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("{\"position\": 3, \"type\": 5, \"codes\": [500, 0, 30]"),
              std::string::npos)
        << json.out;
}
