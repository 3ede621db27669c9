#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "MachineSimHarness.h"

namespace fs = std::filesystem;

namespace {

std::string Sample(const std::string &name) {
    return fs::path(KVT_TEST_DATA_DIR) / name;
}

machinesim::RunResult Kvt(const std::vector<std::string> &args) {
    return machinesim::Run(KVT_BINARY, args, {"LC_ALL=C.UTF-8"});
}

// The step times of one cycle in `kvt estimate --json`, in step order.
std::vector<long> EstimatedTimes(const std::string &json, int number) {
    std::istringstream lines(json);
    const std::string key = "{\"number\": " + std::to_string(number) + ",";
    static const std::regex time("\"time\": ([0-9]+)");
    for (std::string line; std::getline(lines, line);) {
        if (line.find(key) == std::string::npos)
            continue;
        std::getline(lines, line); // the cycle's steps stand on the next line
        std::vector<long> times;
        for (std::sregex_iterator it(line.begin(), line.end(), time), end; it != end; ++it)
            times.push_back(std::stol((*it)[1]));
        return times;
    }
    return {};
}

TEST(KvtProfile, CsvAgreesWithTheEstimatedStepTimes) {
    const auto estimate = Kvt({"estimate", Sample("three-cycles.kvt"), "--json"});
    ASSERT_EQ(estimate.status, 0) << estimate.err;
    for (int number : {3, 1, 12}) {
        const auto run =
            Kvt({"profile", Sample("three-cycles.kvt"), std::to_string(number), "--csv"});
        ASSERT_EQ(run.status, 0) << run.err;
        std::istringstream rows(run.out);
        std::string row;
        std::getline(rows, row);
        EXPECT_EQ(row, "seconds,step,level_cm,temperature_C");
        std::map<int, std::pair<long, long>> span; // step -> first and last time
        while (std::getline(rows, row)) {
            long seconds = 0;
            int step = 0;
            double level = 0, temperature = 0;
            ASSERT_EQ(
                std::sscanf(row.c_str(), "%ld,%d,%lf,%lf", &seconds, &step, &level, &temperature),
                4)
                << row;
            EXPECT_GE(level, 0) << row;
            if (!span.count(step))
                span[step] = {seconds, seconds};
            span[step].second = seconds;
        }
        const std::vector<long> times = EstimatedTimes(estimate.out, number);
        ASSERT_EQ(span.size(), times.size()) << number;
        long end = 0;
        for (std::size_t k = 0; k < times.size(); ++k) {
            const int step = static_cast<int>(k + 1);
            EXPECT_EQ(span[step].first, end) << "cycle " << number << " step " << step;
            end += times[k];
            EXPECT_EQ(span[step].second, end) << "cycle " << number << " step " << step;
        }
    }
}

TEST(KvtProfile, WrongUseAndMissingCycles) {
    const std::string file = Sample("three-cycles.kvt");
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err; // start of stderr
    } cases[] = {
        {{"profile", file, "1"}, 2, "profile: give one of --csv, --json or --svg OUT.svg"},
        {{"profile", file, "1", "--csv", "--json"}, 2, "profile: give one of"},
        {{"profile", file, "one", "--csv"}, 2, "profile: NUMBER must be a cycle number"},
        {{"profile", file, "--csv"}, 2, "Wrong arguments for profile"},
        {{"profile", file, "5", "--json"}, 1, "Cycle 5 not found!\n"},
        {{"profile", file, "1", "--svg", "/nonexistent-folder/p.svg"},
         1,
         "Unable to save /nonexistent-folder/p.svg\n"},
    };
    for (const Case &c : cases) {
        const auto run = Kvt(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(KvtProfile, SvgIsAPictureOfTheCycleWithoutADisplay) {
    const fs::path svg =
        fs::temp_directory_path() / ("kvt-profile-" + std::to_string(getpid()) + ".svg");
    const auto run = machinesim::Run(
        KVT_BINARY, {"profile", Sample("three-cycles.kvt"), "1", "--svg", svg.string()},
        {"LC_ALL=C.UTF-8", "DISPLAY=:97", "QT_QPA_PLATFORM=xcb"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    const std::string picture = machinesim::Slurp(svg.string());
    fs::remove(svg);
    EXPECT_NE(picture.find("<svg"), std::string::npos);
    EXPECT_NE(picture.find("<title>Cycle 1: Whites 60°C</title>"), std::string::npos);
    EXPECT_NE(picture.find(">Level (cm)<"), std::string::npos);
    EXPECT_NE(picture.rfind("</svg>"), std::string::npos);
}

} // namespace
