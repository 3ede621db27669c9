// kvt's RS-485 commands when a write must not go ahead, against simulated machines.
#include <gtest/gtest.h>

#include "MachineKvtFixture.h"

using namespace machinesim;

namespace {

using KvtNetwork = MachineKvtFixture;

} // namespace

TEST_F(KvtNetwork, OtherConfigurationIsWrittenOnlyWithYes) {
    Write("send.kvt", SampleWashData()); // type 18, drains 0x21
    SimProcess sim(SimArgs({"--type", "5", "--drains", "0x21", "--network", "1"}));
    RunResult r = Kvt(sim.Port(), {"net-write-cycles", Path("send.kvt").string(), "--to", "1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Configuration differs from the one found in one or more machines!"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("Status: Done"), std::string::npos) << r.err;
    r = Kvt(sim.Port(), {"--yes", "net-write-cycles", Path("send.kvt").string(), "--to", "1"});
    EXPECT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(sim.Stop(), 0);
    const std::vector<std::string> requests = Requests();
    EXPECT_EQ(std::count(requests.begin(), requests.end(), "01:A"), 1) << "only the second run";
    EXPECT_EQ(Stored("net-01", "cycles.bin").substr(0, 15), "KORVANTA-DAT100");
}

TEST_F(KvtNetwork, AddressesMustNameMachinesThatAnswered) {
    Write("send.kvt", SampleWashData());
    SimProcess sim(SimArgs({"--type", "18", "--drains", "0x21", "--network", "0"}));
    RunResult r = Kvt(sim.Port(), {"net-write-cycles", Path("send.kvt").string(), "--to", "0,3"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "No machine answered at address 3\n");
    r = Kvt(sim.Port(), {"net-write-cycles", Path("send.kvt").string(), "--to", "0,x"});
    EXPECT_EQ(r.status, 2) << r.err;
    ASSERT_EQ(sim.Stop(), 0);
    for (const std::string &request : Requests())
        EXPECT_EQ(request.find(":A"), std::string::npos) << "no write began";
}
