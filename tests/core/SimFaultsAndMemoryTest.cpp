// Fault injection, the memory folder and the command line of the simulated controller.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

#include "SimTestFrames.h"
#include "sim/CommandLine.h"
#include "sim/Controller.h"

using korvanta::sim::Controller;
using korvanta::sim::ControllerOptions;
using korvanta::sim::ParseCommandLine;
using korvanta::sim::SimSettings;
using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

namespace {

using simtest::Frame;

// The computer's own acceptance rules, reply by reply.
bool Accepted(const std::string &request, const Bytes &r) {
    if (request.rfind("RBL", 0) == 0) {
        if (r.size() != 289)
            return false;
        for (int row = 0; row < 17; ++row)
            if (std::accumulate(r.begin() + row * 17, r.begin() + row * 17 + 17, 0u) % 256)
                return false;
        return true;
    }
    if (request.rfind("ER", 0) == 0 && request.rfind("ERA", 0) != 0) {
        unsigned sum = r.size() == 7 ? std::accumulate(r.begin() + 1, r.begin() + 6, 0u) % 256 : 1;
        return sum == 0 || sum == 32;
    }
    return r.size() >= 2 && (r[1] == 0x06 || r[1] == 0x15 || r[1] == 'v');
}

struct TempDir {
    fs::path path;
    TempDir() {
        path = fs::temp_directory_path() /
               ("sim-memory-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
    void Write(const char *name, const std::string &bytes) const {
        std::ofstream(path / name, std::ios::binary) << bytes;
    }
    std::string Read(const char *name) const {
        std::ifstream in(path / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

const std::vector<std::string> kRequests = {"I",   "VER",  "ATT",      "NBB",  "RBL000",
                                            "TSK", "ER14", "EW145A27", "ERA0", "STA"};

} // namespace

TEST(SimFaults, DamagedRepliesAlwaysFailTheComputersCheck) {
    ControllerOptions o;
    o.corruptRate = 1.0;
    o.coin = true;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        o.seed = seed;
        Controller c(o);
        c.SetCycleMemory(Bytes(256, 0x5A));
        for (const std::string &request : kRequests) {
            Bytes reply = c.Receive(Frame(request));
            ASSERT_FALSE(reply.empty()) << request;
            EXPECT_FALSE(Accepted(request, reply)) << request << " seed " << seed;
        }
    }
}

TEST(SimFaults, LostRepliesStillCarryOutTheRequest) {
    ControllerOptions o;
    o.dropRate = 1.0;
    Controller c(o);
    EXPECT_TRUE(c.Receive(Frame("EW0B0102")).empty());
    EXPECT_EQ(c.Parameter(11), 0x0102);
}

TEST(SimFaults, RatesAreSeededAndRoughlyKept) {
    struct Case {
        double drop, corrupt;
    };
    for (const Case &t : {Case{0.05, 0.05}, Case{0.5, 0.0}, Case{0.0, 0.3}, Case{0.0, 0.0}}) {
        ControllerOptions o;
        o.dropRate = t.drop;
        o.corruptRate = t.corrupt;
        o.seed = 7;
        Controller a(o), b(o);
        int lost = 0, damaged = 0;
        const int n = 2000;
        for (int i = 0; i < n; ++i) {
            Bytes ra = a.Receive(Frame("ATT"));
            ASSERT_EQ(ra, b.Receive(Frame("ATT"))) << "same seed, same faults";
            lost += ra.empty();
            damaged += !ra.empty() && !Accepted("ATT", ra);
        }
        EXPECT_NEAR(lost / double(n), t.drop, 0.03);
        EXPECT_NEAR(damaged / double(n), (1 - t.drop) * t.corrupt, 0.03);
    }
}

TEST(SimMemory, SavedFolderLoadsIntoANewMachine) {
    TempDir dir;
    Controller first(ControllerOptions{});
    Bytes cycles(300);
    std::iota(cycles.begin(), cycles.end(), 0);
    first.SetCycleMemory(cycles);
    Bytes software(1000, 0x42);
    first.SetSoftwareImage(software);
    first.SetParameter(20, 0x5A27);
    first.SetParameter(3, 65535);
    std::string error;
    ASSERT_TRUE(first.SaveMemory(dir.path.string(), &error)) << error;

    Bytes padded = cycles;
    padded.resize(512, 0xFF);
    EXPECT_EQ(dir.Read("cycles.bin"), std::string(padded.begin(), padded.end()));
    EXPECT_EQ(dir.Read("software.bin").size(), 124928u);

    Controller second(ControllerOptions{});
    ASSERT_TRUE(second.LoadMemory(dir.path.string(), &error)) << error;
    EXPECT_EQ(second.CycleMemory(), padded);
    EXPECT_EQ(second.StoredCycleBlocks(), 2);
    EXPECT_EQ(Bytes(second.SoftwareImage().begin(), second.SoftwareImage().begin() + 1001), [&] {
        Bytes b = software;
        b.push_back(0xFF);
        return b;
    }());
    EXPECT_EQ(second.Parameter(20), 0x5A27);
    EXPECT_EQ(second.Parameter(3), 65535);
}

TEST(SimMemory, MissingFilesLeaveAnErasedMachine) {
    TempDir dir;
    Controller c(ControllerOptions{});
    std::string error;
    ASSERT_TRUE(c.LoadMemory(dir.path.string(), &error)) << error;
    EXPECT_EQ(c.StoredCycleBlocks(), 0);
    EXPECT_EQ(c.SoftwareImage(), Bytes(124928, 0xFF));
}

TEST(SimMemory, MalformedFilesAreRefusedAndNothingIsTaken) {
    struct Case {
        const char *file;
        std::string content;
    };
    for (const Case &t : {Case{"params.txt", "20 23079\n21 5\n"}, Case{"params.txt", "20 65536\n"},
                          Case{"params.txt", "1 2 3\n"}, Case{"params.txt", "x 1\n"},
                          Case{"params.txt", "-1 4\n"}, Case{"cycles.bin", std::string(65537, 'a')},
                          Case{"software.bin", std::string(124929, 'a')}}) {
        TempDir dir;
        dir.Write("params.txt", "# kept\n\n1 250\r\n");
        dir.Write(t.file, t.content);
        Controller c(ControllerOptions{});
        c.SetParameter(1, 7);
        std::string error;
        EXPECT_FALSE(c.LoadMemory(dir.path.string(), &error)) << t.file << t.content.substr(0, 12);
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(c.Parameter(1), 7) << "a refused folder changes nothing";
    }
    TempDir good;
    good.Write("params.txt", "# kept\n\n1 250\r\n");
    Controller c(ControllerOptions{});
    ASSERT_TRUE(c.LoadMemory(good.path.string(), nullptr));
    EXPECT_EQ(c.Parameter(1), 250);
}

TEST(SimMemory, NetworkMachinesKeepTheirOwnFoldersAndAMissingFolderIsMade) {
    TempDir dir;
    ControllerOptions o;
    o.networkAddresses = {0, 0x1F};
    Controller c(o);
    std::string error;
    fs::path fresh = dir.path / "fresh";
    ASSERT_TRUE(c.SaveMemory(fresh.string(), &error)) << error;
    for (const char *folder : {"", "net-00", "net-1F"})
        EXPECT_TRUE(fs::exists(fresh / folder / "params.txt")) << folder;
    std::ofstream(fresh / "net-1F" / "params.txt") << "20 1\n";
    ASSERT_TRUE(c.LoadMemory(fresh.string(), &error)) << error;
    std::ofstream(fresh / "net-00" / "params.txt") << "20 x\n";
    EXPECT_FALSE(c.LoadMemory(fresh.string(), &error));
    EXPECT_NE(error.find("net-00"), std::string::npos) << error;
}

TEST(SimMemory, UnwritableFolderIsReported) {
    Controller c(ControllerOptions{});
    std::string error;
    EXPECT_FALSE(c.SaveMemory("/nonexistent-folder/for/sim", &error));
    EXPECT_NE(error.find("cannot"), std::string::npos);
}

TEST(SimCommandLine, OptionsReachTheirSettings) {
    SimSettings s;
    std::string error;
    ASSERT_TRUE(
        ParseCommandLine({"--type",      "18",         "--drains", "0x12",       "--coin",
                          "--boot=1.03", "--firmware", "2.00",     "--keyboard", "K1.0",
                          "--hardware",  "H",          "--busy",   "3",          "--corrupt",
                          "0.05",        "--drop=0.1", "--seed",   "99",         "--turnaround",
                          "0",           "--baud",     "38400",    "--memory",   "m",
                          "--network",   "0,3,0x10",   "--link",   "/tmp/l",     "--log",
                          "r.log"},
                         s, &error))
        << error;
    EXPECT_EQ(s.controller.machineType, 18);
    EXPECT_EQ(s.controller.drains, 0x12);
    EXPECT_TRUE(s.controller.coin);
    EXPECT_EQ(s.controller.bootText, "1.03");
    EXPECT_EQ(s.controller.firmwareText, "2.00");
    EXPECT_EQ(s.controller.keyboardText, "K1.0");
    EXPECT_EQ(s.controller.hardwareText, "H");
    EXPECT_EQ(s.controller.busyIdentifications, 3);
    EXPECT_DOUBLE_EQ(s.controller.corruptRate, 0.05);
    EXPECT_DOUBLE_EQ(s.controller.dropRate, 0.1);
    EXPECT_EQ(s.controller.seed, 99u);
    EXPECT_EQ(s.turnaroundMs, 0);
    EXPECT_EQ(s.baud, 38400);
    EXPECT_EQ(s.memoryDir, "m");
    EXPECT_EQ(s.controller.networkAddresses, (std::vector<int>{0, 3, 16}));
    EXPECT_EQ(s.linkPath, "/tmp/l");
    EXPECT_EQ(s.logPath, "r.log");
}

TEST(SimCommandLine, WrongCommandLinesAreRefusedWithAReason) {
    for (const std::vector<std::string> &args :
         std::vector<std::vector<std::string>>{{"--type", "256"},
                                               {"--type"},
                                               {"--type", "-1"},
                                               {"--type", "1x"},
                                               {"--drains", "0x"},
                                               {"--corrupt", "1.5"},
                                               {"--drop", "nan"},
                                               {"--busy", ""},
                                               {"--seed", "4294967296"},
                                               {"--network", "1,,2"},
                                               {"--network", "1,1"},
                                               {"--network", "255"},
                                               {"--coin=yes"},
                                               {"--frobnicate"},
                                               {"stray"}}) {
        SimSettings s;
        s.baud = 1234;
        std::string error;
        EXPECT_FALSE(ParseCommandLine(args, s, &error)) << args[0];
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(s.baud, 1234) << "settings untouched";
    }
}
