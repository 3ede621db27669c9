#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "MachineSimHarness.h"

namespace fs = std::filesystem;

namespace {

std::string Sample(const std::string &name) {
    return fs::path(KVT_TEST_DATA_DIR) / name;
}

std::string ReadBytes(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class KvtReport : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("kvt-report-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // kvt report with a fixed clock (8 December 2025 11:55 UTC) and English day names.
    static machinesim::RunResult Report(std::vector<std::string> args) {
        args.insert(args.begin(), "report");
        return machinesim::Run(KVT_BINARY, args, {"LC_ALL=C", "SOURCE_DATE_EPOCH=1765194900"});
    }

    std::string Out() const { return (folder_ / "report.txt").string(); }

    fs::path folder_;
};

TEST_F(KvtReport, AllCyclesWithConfigurationAsThePrintDialogWritesThem) {
    const auto run = Report({Sample("three-cycles.kvt"), "--config", "-o", Out()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    // The core's golden report of the same data, under this file's name and the fixed clock.
    const std::string golden = ReadBytes(Sample("report-three-cycles.txt"));
    ASSERT_FALSE(golden.empty());
    const std::string expected =
        "Korvanta Planner v2.04: three-cycles.kvt\tMon 8 December 2025 - 11:55" +
        golden.substr(golden.find("\r\n"));
    EXPECT_EQ(ReadBytes(Out()), expected);
}

TEST_F(KvtReport, ChosenCyclesComeInListOrder) {
    const auto run = Report({"--cycles", "12,3", Sample("three-cycles.kvt"), "-o", Out()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string report = ReadBytes(Out());
    const std::size_t three = report.find("\r\nCycle 3: Cycle 3\t");
    const std::size_t twelve = report.find("\r\nCycle 12: Quick wash 17char\t");
    ASSERT_NE(three, std::string::npos);
    ASSERT_NE(twelve, std::string::npos);
    EXPECT_LT(three, twelve);
    EXPECT_EQ(report.find("Whites"), std::string::npos);
    EXPECT_EQ(report.find("Machine\r\n"), std::string::npos);
}

TEST_F(KvtReport, FailuresLeaveNoFile) {
    const std::string unwritable = (folder_ / "no-such-folder" / "r.txt").string();
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err; // start of stderr
    } cases[] = {
        {{Sample("three-cycles.kvt")}, 2, "report: -o OUT is required"},
        {{Sample("three-cycles.kvt"), "--cycles", "1;2", "-o", Out()}, 2, "report: --cycles"},
        {{Sample("three-cycles.kvt"), "--cycles", "4", "-o", Out()}, 1, "No cycle 4 in the file\n"},
        {{Sample("empty.kvt"), "-o", Out()}, 1, "No cycles selected,\nSelect cycles to print!\n"},
        {{Sample("bad-signature.kvt"), "--config", "-o", Out()}, 1, ""},
        {{Sample("three-cycles.kvt"), "-o", unwritable}, 1, "Unable to save " + unwritable + "\n"},
        {{Sample("three-cycles.kvt"), "--pdf", unwritable},
         1,
         "Unable to save " + unwritable + "\n"},
        {{Sample("three-cycles.kvt"), "--pdf", Out(), "-o", Out()}, 2, "report: -o OUT and --pdf"},
        {{Sample("empty.kvt"), "--pdf", Out()}, 1, "No cycles selected,"},
        {{Sample("three-cycles.kvt"), "--profiles", "-o", Out()},
         2,
         "report: --profiles needs --pdf OUT.pdf"},
    };
    for (const Case &c : cases) {
        const auto run = Report(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.back() << ": " << run.err;
        EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << run.err;
        EXPECT_FALSE(fs::exists(Out())) << c.args.back();
    }
}

int Pages(const std::string &pdf) {
    static const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

TEST_F(KvtReport, PdfHoldsThePrintedCyclesWithoutADisplay) {
    const std::string pdf = (folder_ / "report.pdf").string();
    struct Case {
        std::vector<std::string> args;
        int pages;
        std::vector<std::string> texts, absent;
    } cases[] = {
        {{"--config"},
         4,
         {"Cycle 3: Cycle 3", "Cycle 1: Whites 60°C", "Quick wash 17char", "Machine type : Type 18",
          "page 4"},
         {}},
        {{"--cycles", "12"}, 1, {"Cycle 12: Quick wash 17char", "Spin 4"}, {"Whites", "Machine"}},
        {{"--cycles", "12,3", "--profiles"},
         4,
         {"Cycle 12: Quick wash 17char (profile)", "Time (min)", "Level (cm)", "page 4"},
         {"Whites"}},
    };
    for (const Case &c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {Sample("three-cycles.kvt"), "--pdf", pdf});
        args.insert(args.begin(), "report");
        // No display at all, and a window system that could not be reached.
        const auto run = machinesim::Run(KVT_BINARY, args,
                                         {"LC_ALL=C", "SOURCE_DATE_EPOCH=1765194900", "DISPLAY=:97",
                                          "QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY="});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(Pages(ReadBytes(pdf)), c.pages);
        const auto text = machinesim::Run("/usr/bin/pdftotext", {"-layout", pdf, "-"}, {});
        ASSERT_EQ(text.status, 0) << "pdftotext (poppler-utils) is needed: " << text.err;
        for (const std::string &expected : c.texts)
            EXPECT_NE(text.out.find(expected), std::string::npos) << expected << "\n" << text.out;
        for (const std::string &absent : c.absent)
            EXPECT_EQ(text.out.find(absent), std::string::npos) << absent;
    }
}

} // namespace
