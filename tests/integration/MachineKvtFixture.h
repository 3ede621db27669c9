#pragma once
// A scratch folder per test with the simulator's memory folder and kvt's own options folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "MachineSimHarness.h"

namespace machinesim {

class MachineKvtFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("machine-kvt-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "memory");
        std::filesystem::create_directories(dir_ / "config");
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // kvt with its own options folder, so the user's PortName is neither used nor changed.
    RunResult Kvt(const std::string &port, std::vector<std::string> args) {
        args.insert(args.begin(), {"--port", port});
        return machinesim::Run(
            KVT_BINARY, args,
            {"XDG_CONFIG_HOME=" + (dir_ / "config").string(), "HOME=" + dir_.string(), "LC_ALL=C"},
            180000);
    }
    std::vector<std::string> SimArgs(std::vector<std::string> extra) const {
        std::vector<std::string> args{"--memory", (dir_ / "memory").string(), "--log",
                                      (dir_ / "requests.log").string()};
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }
    // A file the simulator saved on exit; folder is "" for the front-panel machine or
    // "net-XX" for a network machine.
    std::string Stored(const std::string &folder, const char *name) const {
        return Slurp((dir_ / "memory" / folder / name).string());
    }
    // The requests the simulator received, in order (written when it stops).
    std::vector<std::string> Requests() const {
        std::vector<std::string> lines;
        std::string text = Slurp((dir_ / "requests.log").string());
        for (std::size_t start = 0, end = 0; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }
    std::filesystem::path Path(const char *name) const { return dir_ / name; }
    void Write(const char *name, const std::string &bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }

    std::filesystem::path dir_;
};

inline std::string SampleWashData() {
    return Slurp(std::string(KVT_TEST_DATA_DIR) + "/three-cycles.kvt");
}

} // namespace machinesim
