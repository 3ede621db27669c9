// kvt's RS-485 commands when a write must not go ahead, against simulated machines.
#include <gtest/gtest.h>

#include "MachineKvtFixture.h"

using namespace machinesim;

namespace {

using KvtNetwork = MachineKvtFixture;

bool Sent(const std::vector<std::string> &requests, const std::string &text) {
    for (const std::string &r : requests)
        if (r.find(text) != std::string::npos)
            return true;
    return false;
}

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

TEST_F(KvtNetwork, RefusedBeforeAnythingIsSent) {
    std::string bad = SampleWashData();
    bad[0] = 'X';
    Write("bad.kvt", bad);
    Write("Kvt_bad.bin", std::string(4, '\x01') + std::string(300, '\0'));
    SimProcess sim(SimArgs({"--type", "18", "--drains", "0x21", "--network", "0"}));
    struct Case {
        std::vector<std::string> args;
        int status;
        const char *message;
    } cases[] = {
        {{"net-write-cycles", Path("bad.kvt").string(), "--to", "0"},
         1,
         "Invalid cycle file (*.kvt) file!"},
        {{"net-write-cycles", Path("none.kvt").string(), "--to", "0"},
         1,
         "Error loading cycle file (*.kvt) file!"},
        {{"net-write-software", Path("Kvt_bad.bin").string(), "--to", "0"},
         1,
         "Invalid program file (*.bin) file!"},
        {{"net-write-cycles", Path("bad.kvt").string(), "--to", "3"},
         1,
         "No machine answered at address 3"},
        {{"net-write-cycles", Path("bad.kvt").string(), "--to", "0,x"}, 2, "--to"},
        {{"net-write-cycles", Path("bad.kvt").string()}, 2, "wrong number of arguments"},
    };
    for (const Case &c : cases) {
        RunResult r = Kvt(sim.Port(), c.args);
        EXPECT_EQ(r.status, c.status) << c.message << "\n" << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_FALSE(Sent(Requests(), ":A")) << "no write began";
}
