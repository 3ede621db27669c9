// kvt's RS-485 commands against simulated machines sharing one line. A command that kvt does
// not offer yet is skipped, not failed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "MachineSimHarness.h"
#include "config/MachineTypeTable.h"

using namespace machinesim;
namespace fs = std::filesystem;

namespace {

class MachineNetwork : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("machine-net-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "memory");
        fs::create_directories(dir_ / "config");
    }
    void TearDown() override { fs::remove_all(dir_); }

    RunResult Kvt(const std::string &port, std::vector<std::string> args) {
        args.insert(args.begin(), {"--port", port});
        return machinesim::Run(
            KVT_BINARY, args,
            {"XDG_CONFIG_HOME=" + (dir_ / "config").string(), "HOME=" + dir_.string(), "LC_ALL=C"},
            180000);
    }
    bool Missing(const RunResult &r) { return r.err.find("not available") != std::string::npos; }
    std::vector<std::string> SimArgs(std::vector<std::string> extra) const {
        std::vector<std::string> args{"--memory", (dir_ / "memory").string()};
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }
    std::string Stored(const char *machine, const char *name) const {
        return Slurp((dir_ / "memory" / machine / name).string());
    }
    fs::path Path(const char *name) const { return dir_ / name; }

    fs::path dir_;
};

std::string Sample() {
    return Slurp(std::string(KVT_TEST_DATA_DIR) + "/three-cycles.kvt");
}

// What a network write delivers: the file in 64-byte blocks, the last one filled up with the
// file's last byte (a whole extra block when the size is a multiple of 64).
std::string AsBlocks(const std::string &file) {
    std::string sent = file;
    sent.resize((file.size() / 64 + 1) * 64, file.back());
    return sent;
}

} // namespace

TEST_F(MachineNetwork, ScanListsEachMachineWithItsDesignation) {
    SimProcess sim(SimArgs({"--type", "18", "--drains", "0x21", "--network", "0,3"}));
    RunResult r = Kvt(sim.Port(), {"net-scan"});
    if (Missing(r))
        GTEST_SKIP() << "kvt net-scan not available yet";
    ASSERT_EQ(r.status, 0) << r.err;
    std::string designation = korvanta::MachineTypeAt(18).designation;
    EXPECT_EQ(r.out, "Machine  0\t" + designation + "\nMachine  3\t" + designation + "\n");
}

TEST_F(MachineNetwork, CyclesReachEveryAddressedMachine) {
    std::string file = Sample();
    std::ofstream(Path("send.kvt"), std::ios::binary) << file;
    SimProcess sim(SimArgs({"--type", "18", "--drains", "0x21", "--network", "0,2,4"}));
    RunResult r = Kvt(sim.Port(), {"net-write-cycles", Path("send.kvt").string(), "--to", "0,4"});
    if (Missing(r))
        GTEST_SKIP() << "kvt net-write-cycles not available yet";
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(sim.Stop(), 0);
    std::string expected = AsBlocks(file);
    expected.resize((expected.size() + 255) / 256 * 256, '\xFF');
    EXPECT_EQ(Stored("net-00", "cycles.bin"), expected);
    EXPECT_EQ(Stored("net-04", "cycles.bin"), expected);
    EXPECT_EQ(Stored("net-02", "cycles.bin"), "") << "not addressed";
}

TEST_F(MachineNetwork, SoftwareReachesTheMachineDespiteLostReplies) {
    std::string file(3000, '\0');
    for (std::size_t i = 256; i < file.size(); ++i)
        file[i] = static_cast<char>(i * 11);
    std::ofstream(Path("Kvt_net.bin"), std::ios::binary) << file;
    SimProcess sim(SimArgs({"--network", "1", "--drop", "0.1", "--seed", "3"}));
    RunResult r =
        Kvt(sim.Port(), {"net-write-software", Path("Kvt_net.bin").string(), "--to", "1"});
    if (Missing(r))
        GTEST_SKIP() << "kvt net-write-software not available yet";
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(sim.Stop(), 0);
    std::string image = Stored("net-01", "software.bin");
    ASSERT_EQ(image.size(), 124928u);
    EXPECT_EQ(image.substr(0, 3008), AsBlocks(file));
}
