// kvt's machine commands against korvanta-machine-sim: what the machine ends up holding, and
// what comes back. A command that kvt does not offer yet is skipped, not failed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "MachineKvtFixture.h"
#include "config/MachineTypeTable.h"

using namespace machinesim;
namespace fs = std::filesystem;

namespace {

constexpr uint8_t kSampleType = 0x12; // three-cycles.kvt: machine type 18, drains 0x21
constexpr const char *kSampleDrains = "0x21";

using MachineKvt = MachineKvtFixture;

std::string Sample() {
    return SampleWashData();
}

// The sample file followed by several blocks of filler, so a transfer spans many blocks.
std::string LargeSample() {
    std::string bytes = Sample();
    for (int i = 0; i < 3000; ++i)
        bytes += static_cast<char>(i * 7 % 251);
    bytes += Sample().substr(60);
    return bytes;
}

std::string PaddedToBlocks(std::string bytes) {
    bytes.resize((bytes.size() + 255) / 256 * 256, '\xFF');
    return bytes;
}

// The image a machine holds after a software download of file: the file, 0xFF filling, the
// 0x55 0xAA marker at 0x1E7FC and the sum of the 16-bit words before it.
std::string FirmwareImage(const std::string &file) {
    std::string image(124928, '\xFF');
    image.replace(0, file.size(), file);
    image[0x1E7FC] = '\x55';
    image[0x1E7FD] = '\xAA';
    unsigned sum = 0;
    for (std::size_t i = 0; i < 0x1E7FC; i += 2)
        sum += static_cast<uint8_t>(image[i]) << 8 | static_cast<uint8_t>(image[i + 1]);
    image[0x1E7FE] = static_cast<char>(sum >> 8 & 0xFF);
    image[0x1E7FF] = static_cast<char>(sum & 0xFF);
    return image;
}

std::string FirmwareFile(std::size_t size) {
    std::string file(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        file[i] = static_cast<char>(i * 13 + 5);
    for (std::size_t w = 0; w < 64 && 4 * w + 3 < size; ++w) { // vectors inside 0x220000..0x22FFFF
        file[4 * w] = 0;
        file[4 * w + 1] = 0x22;
    }
    return file;
}

std::string PricesFile(const std::vector<uint16_t> &words) {
    std::string file = "KVT-PRICES100";
    file += static_cast<char>(2 * words.size());
    for (uint16_t w : words) {
        file += static_cast<char>(w >> 8);
        file += static_cast<char>(w & 0xFF);
    }
    return file;
}

} // namespace

// With damaged and lost replies the retries carry the transfer through all the same.
TEST_F(MachineKvt, CyclesWrittenAreStoredAndReadBackByteForByte) {
    struct Case {
        std::string file;
        std::vector<std::string> faults, answers;
    };
    for (const Case &t : {Case{Sample(), {}, {}}, Case{LargeSample(), {}, {}},
                          Case{LargeSample(),
                               {"--corrupt", "0.05", "--drop", "0.05", "--seed", "11"},
                               {"--retries", "20", "--yes"}}}) {
        Write("send.kvt", t.file);
        std::vector<std::string> simArgs{"--type", "18", "--drains", kSampleDrains};
        simArgs.insert(simArgs.end(), t.faults.begin(), t.faults.end());
        SimProcess sim(SimArgs(simArgs));
        auto kvt = [&](const char *command, const fs::path &file) {
            std::vector<std::string> args = t.answers;
            args.insert(args.end(), {command, file.string()});
            return Kvt(sim.Port(), args);
        };
        RunResult write = kvt("write-cycles", Path("send.kvt"));
        ASSERT_EQ(write.status, 0) << write.err;
        RunResult read = kvt("read-cycles", Path("back.kvt"));
        ASSERT_EQ(read.status, 0) << read.err;
        EXPECT_EQ(Slurp(Path("back.kvt").string()), PaddedToBlocks(t.file));
        ASSERT_EQ(sim.Stop(), 0);
        EXPECT_EQ(Stored("", "cycles.bin"), PaddedToBlocks(t.file));
    }
}

TEST_F(MachineKvt, DownloadsSendOnlyTheBlocksThatCarryData) {
    std::string cycles = Sample();
    cycles.resize(256, '\x01');
    cycles += std::string(256, '\xFF') + std::string(10, '\x02'); // block 1 is never sent
    using Log = std::vector<std::string>;
    // The preamble, then for each block WB1, the frame, its PB1 command and a poll, then STA.
    auto download = [](Log log, std::initializer_list<const char *> programs) {
        for (const char *program : programs)
            log.insert(log.end(), {"WB1", "<block>", program, "TSK"});
        log.push_back("STA");
        return log;
    };
    const Log softwareErase = {"I", "ATT", "VER", "ERA3", "TSK", "TSK", "ERA2", "TSK", "TSK"};
    auto softwareLog = [&](const char *announce, std::initializer_list<const char *> programs) {
        Log preamble = softwareErase;
        preamble.push_back(announce);
        return download(preamble, programs);
    };
    struct Case {
        std::string file;
        std::vector<std::string> simArgs;
        const char *command;
        Log expected;
    };
    for (const Case &t : {
             Case{cycles,
                  {"--type", "18", "--drains", kSampleDrains},
                  "write-cycles",
                  download({"VER", "I", "ATT", "ERA0", "TSK", "TSK", "WLB02"},
                           {"PB1000", "PB1002"})},
             Case{std::string(1, '\0'),
                  {"--boot", "1.05"},
                  "write-software",
                  softwareLog("WLB000", {"PB1999", "PB1512"})},
             Case{std::string(300, '\0'),
                  {"--boot", "1.03"},
                  "write-software",
                  softwareLog("WLB01", {"PB1999", "PB1512", "PB1513"})},
         }) {
        Write("send.bin", t.file);
        // A slower answer, so a busy test machine cannot make the computer miss a reply and
        // ask twice, which would be right but would not match the exact sequence.
        std::vector<std::string> simArgs = t.simArgs;
        simArgs.insert(simArgs.end(), {"--turnaround", "15"});
        SimProcess sim(SimArgs(simArgs));
        RunResult r = Kvt(sim.Port(), {t.command, Path("send.bin").string()});
        EXPECT_EQ(r.status, 0) << r.err;
        ASSERT_EQ(sim.Stop(), 0);
        EXPECT_EQ(Requests(), t.expected) << t.command << " of " << t.file.size() << " bytes";
    }
    EXPECT_EQ(Stored("", "software.bin"), FirmwareImage(std::string(300, '\0')));
}

TEST_F(MachineKvt, CycleFileSizeDecidesTheAnnouncedLastBlock) {
    struct Case {
        std::size_t size;
        int status;
        const char *announced; // "" when nothing may reach the machine
    };
    for (const Case &t : {Case{65536, 0, "WLBFF"}, Case{257, 0, "WLB01"}, Case{65537, 1, ""}}) {
        std::string file = Sample();
        file.resize(t.size, '\x05');
        Write("send.kvt", file);
        SimProcess sim(SimArgs({"--type", "18", "--drains", kSampleDrains}));
        RunResult r = Kvt(sim.Port(), {"write-cycles", Path("send.kvt").string()});
        EXPECT_EQ(r.status, t.status) << t.size << r.err;
        ASSERT_EQ(sim.Stop(), 0);
        std::vector<std::string> log = Requests();
        if (*t.announced) {
            EXPECT_EQ(std::count(log.begin(), log.end(), t.announced), 1) << t.size;
            EXPECT_EQ(Stored("", "cycles.bin"), PaddedToBlocks(file));
        } else {
            EXPECT_TRUE(log.empty()) << t.size;
            EXPECT_NE(r.err.find("File is too big! (> 64K)"), std::string::npos) << r.err;
        }
    }
}

TEST_F(MachineKvt, MachineRefusalsEndTheWriteWithTheirMessage) {
    Write("send.kvt", Sample());
    struct Case {
        std::vector<std::string> simArgs, kvtArgs;
        std::string message;
    };
    for (const Case &t : {
             Case{{"--type", "3", "--drains", kSampleDrains},
                  {},
                  "Configuration differs from the one found in the machine!"},
             Case{{"--type", "18", "--drains", kSampleDrains, "--busy", "4"},
                  {"--retries", "1"},
                  "Washing machine is busy or locked!"},
             korvanta::IsCoinMachine(kSampleType)
                 ? Case{{"--type", "18", "--drains", kSampleDrains, "--firmware", "1.10"},
                        {"--yes"},
                        "The selected machine type is a Coin machine!"}
                 : Case{{"--type", "18", "--drains", kSampleDrains, "--coin"},
                        {"--yes"},
                        "The selected machine type is not a Coin machine!"},
         }) {
        SimProcess sim(SimArgs(t.simArgs));
        std::vector<std::string> args = t.kvtArgs;
        args.push_back("write-cycles");
        args.push_back(Path("send.kvt").string());
        RunResult r = Kvt(sim.Port(), args);
        EXPECT_EQ(r.status, 1) << t.message;
        EXPECT_NE(r.err.find(t.message), std::string::npos) << r.err;
        ASSERT_EQ(sim.Stop(), 0);
        EXPECT_EQ(Stored("", "cycles.bin"), "") << "nothing was erased or written: " << t.message;
        std::vector<std::string> log = Requests();
        EXPECT_EQ(std::count(log.begin(), log.end(), "ERA0"), 0) << t.message;
    }
}

TEST_F(MachineKvt, BusyMachineIsWaitedForWithRetries) {
    Write("send.kvt", Sample());
    SimProcess sim(SimArgs({"--type", "18", "--drains", kSampleDrains, "--busy", "2"}));
    RunResult r = Kvt(sim.Port(), {"--retries", "3", "write-cycles", Path("send.kvt").string()});
    EXPECT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_EQ(Stored("", "cycles.bin"), PaddedToBlocks(Sample()));
}

TEST_F(MachineKvt, ReadingAnEmptyMachineLeavesNoFile) {
    SimProcess sim(SimArgs({}));
    RunResult r = Kvt(sim.Port(), {"read-cycles", Path("back.kvt").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("No cycles in memory!"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(Path("back.kvt")));
}

TEST_F(MachineKvt, SoftwareIsStoredAsTheMarkedImage) {
    for (std::size_t size : {std::size_t{1000}, std::size_t{124928}}) {
        std::string file = FirmwareFile(size);
        Write("Kvt_test.bin", file);
        SimProcess sim(SimArgs({}));
        RunResult r = Kvt(sim.Port(), {"write-software", Path("Kvt_test.bin").string()});
        EXPECT_EQ(r.status, 0) << r.err;
        ASSERT_EQ(sim.Stop(), 0);
        EXPECT_TRUE(Stored("", "software.bin") == FirmwareImage(file)) << size;
    }
}

TEST_F(MachineKvt, PricesGoToParametersOneToElevenAndComeBack) {
    std::vector<uint16_t> words{100, 200, 300, 400, 500, 600, 700, 800, 25, 0xFFFF, 2};
    Write("send.kvtprices", PricesFile(words));
    SimProcess sim(SimArgs({"--coin"}));
    RunResult write = Kvt(sim.Port(), {"write-prices", Path("send.kvtprices").string()});
    ASSERT_EQ(write.status, 0) << write.err;
    RunResult read = Kvt(sim.Port(), {"read-prices", Path("back.kvtprices").string()});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(Slurp(Path("back.kvtprices").string()), PricesFile(words));
    ASSERT_EQ(sim.Stop(), 0);
    std::string params = Stored("", "params.txt");
    EXPECT_NE(params.find("\n1 100\n"), std::string::npos) << params;
    EXPECT_NE(params.find("\n10 65535\n"), std::string::npos) << params;
    EXPECT_NE(params.find("\n11 2\n"), std::string::npos) << params;
}

TEST_F(MachineKvt, PricesNeedACoinMachine) {
    Write("send.kvtprices", PricesFile({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    SimProcess sim(SimArgs({}));
    RunResult r = Kvt(sim.Port(), {"write-prices", Path("send.kvtprices").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("This is not a coin machine!"), std::string::npos) << r.err;
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_NE(Stored("", "params.txt").find("\n1 0\n"), std::string::npos);
}

TEST_F(MachineKvt, LifeTestIsSwitchedThroughParameterTwenty) {
    SimProcess sim(SimArgs({}));
    struct Case {
        const char *setting, *printed;
    };
    for (const Case &t : {Case{"on", "on"}, Case{"off", "off"}, Case{"on", "on"}}) {
        RunResult write = Kvt(sim.Port(), {"write-lifetest", t.setting});
        ASSERT_EQ(write.status, 0) << write.err;
        RunResult read = Kvt(sim.Port(), {"read-lifetest"});
        ASSERT_EQ(read.status, 0) << read.err;
        EXPECT_EQ(read.out, std::string(t.printed) + "\n");
    }
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_NE(Stored("", "params.txt").find("\n20 23079\n"), std::string::npos);
}

TEST_F(MachineKvt, BoardInfoShowsTheMachinesVersionTexts) {
    SimProcess sim(SimArgs(
        {"--boot", "1.07", "--firmware", "2.31", "--keyboard", "K0.99", "--hardware", "HW-4"}));
    RunResult r = Kvt(sim.Port(), {"board-info"});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char *text : {"2.04", "1.07", "2.31", "K0.99", "HW-4"})
        EXPECT_NE(r.out.find(text), std::string::npos) << text << " in\n" << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 5);
}
