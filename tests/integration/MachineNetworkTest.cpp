// kvt's RS-485 commands against simulated machines sharing one line. A command that kvt does
// not offer yet is skipped, not failed.
#include <gtest/gtest.h>

#include "MachineKvtFixture.h"
#include "config/MachineTypeTable.h"

using namespace machinesim;
namespace fs = std::filesystem;

namespace {

using MachineNetwork = MachineKvtFixture;

std::string Sample() {
    return SampleWashData();
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
    ASSERT_EQ(r.status, 0) << r.err;
    std::string designation = korvanta::MachineTypeAt(18).designation;
    EXPECT_EQ(r.out, "Machine  0\t" + designation + "\nMachine  3\t" + designation + "\n");
}

TEST_F(MachineNetwork, CyclesReachEveryAddressedMachine) {
    std::string file = Sample();
    Write("send.kvt", file);
    SimProcess sim(SimArgs({"--type", "18", "--drains", "0x21", "--network", "0,2,4"}));
    RunResult r = Kvt(sim.Port(), {"net-write-cycles", Path("send.kvt").string(), "--to", "0,4"});
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
    Write("Kvt_net.bin", file);
    SimProcess sim(SimArgs({"--network", "1", "--drop", "0.1", "--seed", "3"}));
    RunResult r =
        Kvt(sim.Port(), {"net-write-software", Path("Kvt_net.bin").string(), "--to", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(sim.Stop(), 0);
    std::string image = Stored("net-01", "software.bin");
    ASSERT_EQ(image.size(), 124928u);
    EXPECT_EQ(image.substr(0, 3008), AsBlocks(file));
}
