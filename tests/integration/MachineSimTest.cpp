// korvanta-machine-sim as a process: its pseudo-terminal, timing, faults and memory folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numeric>

#include "MachineSimHarness.h"

using namespace machinesim;
namespace fs = std::filesystem;

namespace {

const Bytes kIdentify{0x02, 0x49, 0xB7, 0x03};

fs::path FreshDir(const std::string &name) {
    fs::path dir =
        fs::temp_directory_path() / ("machine-sim-" + name + "-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string ReadFile(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(MachineSimProcess, PrintsItsTerminalFirstAndAnswersOnIt) {
    fs::path dir = FreshDir("link");
    fs::path link = dir / "port";
    SimProcess sim({"--type", "18", "--drains", "0x12", "--link", link.string()});
    ASSERT_EQ(sim.FirstLine().rfind("port: /dev/pts/", 0), 0u) << sim.FirstLine();
    ASSERT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link).string(), sim.Port());

    Line line(link.string());
    ASSERT_TRUE(line.IsOpen());
    Bytes reply = line.Ask(kIdentify, 8);
    ASSERT_EQ(reply.size(), 8u);
    EXPECT_EQ(std::string(reply.begin() + 1, reply.begin() + 6), "\x06"
                                                                 "1221");
    EXPECT_EQ(line.Ask(Frame("VER"), 44).size(), 44u);

    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link))) << "the link goes with the simulator";
    fs::remove_all(dir);
}

TEST(MachineSimProcess, SurvivesGarbageAndAPeerThatClosesAndReopens) {
    SimProcess sim({});
    ASSERT_FALSE(sim.Port().empty());
    {
        Line line(sim.Port());
        Bytes junk(3000);
        std::iota(junk.begin(), junk.end(), 0);
        line.Send(junk);
        line.Read(4096, 300); // whatever the junk provoked is of no interest
        EXPECT_EQ(line.Ask(Frame("ATT"), 4), (Bytes{0x02, 0x06, 0xFA, 0x03}));
        line.Send({0x02, 'A', 'T'}); // cut off as the computer closes the port
    }
    usleep(200000);
    for (int round = 0; round < 3; ++round) {
        Line again(sim.Port());
        ASSERT_TRUE(again.IsOpen());
        EXPECT_EQ(again.Ask(kIdentify, 8).size(), 8u) << round;
    }
    EXPECT_EQ(sim.Stop(), 0);
}

TEST(MachineSimProcess, ReplyWaitsForTheTurnaroundAndIsPacedAtTheLineSpeed) {
    struct Case {
        std::vector<std::string> args;
        std::string request;
        std::size_t size;
        int atLeastMs, atMostMs;
    };
    // 289 bytes at 9600 baud take 301 ms on the wire; unpaced they arrive at once.
    for (const Case &t : {Case{{"--turnaround", "80"}, "ATT", 4, 75, 400},
                          Case{{"--turnaround", "0", "--baud", "9600"}, "RBL000", 289, 280, 900},
                          Case{{"--turnaround", "0"}, "RBL000", 289, 0, 200}}) {
        SimProcess sim(t.args);
        Line line(sim.Port());
        auto start = Clock::now();
        Bytes reply = line.Ask(Frame(t.request), t.size, 2000);
        int took = ElapsedMs(start);
        EXPECT_EQ(reply.size(), t.size) << t.request;
        EXPECT_GE(took, t.atLeastMs) << t.args[1];
        EXPECT_LE(took, t.atMostMs) << t.args[1];
    }
}

TEST(MachineSimProcess, MemoryFolderIsLoadedAtStartAndWrittenOnExit) {
    fs::path dir = FreshDir("memory");
    std::ofstream(dir / "params.txt") << "1 250\n";
    std::string cycles(300, 'k');
    std::ofstream(dir / "cycles.bin", std::ios::binary) << cycles;
    {
        SimProcess sim({"--memory", dir.string()});
        Line line(sim.Port());
        EXPECT_EQ(line.Ask(Frame("ER01"), 7), Frame("00FA"));
        EXPECT_EQ(line.Ask(Frame("NBB"), 4), (Bytes{0x02, 0x06, 0x00, 0x02}));
        EXPECT_EQ(line.Ask(Frame("EW145A27"), 4)[1], 0x06);
        EXPECT_EQ(line.Ask(Frame("ERA0"), 4)[1], 0x06);
        EXPECT_EQ(sim.Stop(), 0);
    }
    EXPECT_NE(ReadFile(dir / "params.txt").find("\n20 23079\n"), std::string::npos);
    EXPECT_EQ(ReadFile(dir / "cycles.bin"), "") << "erased by ERA0";
    EXPECT_EQ(fs::file_size(dir / "software.bin"), 124928u);
    fs::remove_all(dir);
}

TEST(MachineSimProcess, RefusesAWrongCommandLineOrAnUnreadableMemoryFolder) {
    fs::path dir = FreshDir("bad");
    std::ofstream(dir / "params.txt") << "this is not a parameter\n";
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    for (const Case &t :
         {Case{{"--type", "300"}, 2}, Case{{"--bogus"}, 2}, Case{{"--memory", dir.string()}, 1}}) {
        SimProcess sim(t.args);
        EXPECT_TRUE(sim.Port().empty());
        EXPECT_EQ(sim.Wait(5000), t.status) << t.args[0];
    }
    EXPECT_EQ(ReadFile(dir / "params.txt"), "this is not a parameter\n") << "left as it was";
    fs::remove_all(dir);
}
