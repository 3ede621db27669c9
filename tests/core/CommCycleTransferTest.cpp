#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "comm/CommTexts.h"
#include "comm/CycleTransfer.h"
#include "support/SimBench.h"

using namespace korvanta;
using namespace korvanta::testing;

namespace {

constexpr int kCoinType = 8;

// A wash data file as the machine stores it: signature, type at 16, drains at 18, records
// with CycleEnd and DataEnd near the end, `size` bytes in all.
std::vector<uint8_t> CycleFile(std::size_t size, uint8_t type = 0, uint8_t drains = 0x01) {
    std::vector<uint8_t> bytes(size, 0x5A);
    std::memcpy(bytes.data(), "KORVANTA-DAT100", std::min<std::size_t>(15, size));
    if (size > 18) {
        bytes[16] = type;
        bytes[18] = drains;
    }
    if (size >= 3) { // a trailing byte keeps the last block from being all 0xFF
        bytes[size - 3] = 254;
        bytes[size - 2] = 255;
        bytes[size - 1] = 0;
    }
    return bytes;
}

std::vector<uint8_t> Padded(std::vector<uint8_t> bytes) {
    bytes.resize((bytes.size() + 255) / 256 * 256, 0xFF);
    return bytes;
}

sim::ControllerOptions Machine(uint8_t type = 0, uint8_t drains = 0x01) {
    sim::ControllerOptions options;
    options.machineType = type;
    options.drains = drains;
    return options;
}

} // namespace

TEST(CommCycleWrite, StoresTheFileBlockByBlock) {
    struct Case {
        std::size_t size;
        const char *announce;
        int blocks;
    };
    const Case cases[] = {
        {300, "WLB01", 2}, {257, "WLB01", 2}, {65536, "WLBFF", 256}, {1000, "WLB03", 4}};
    for (const Case &c : cases) {
        TempFolder folder;
        SimBench bench(Machine());
        const std::vector<uint8_t> file = CycleFile(c.size);
        const std::string path = folder.Write(kSendWorkingFile, file);
        EXPECT_TRUE(WriteCycles(bench.panel, path, 0)) << c.size;
        EXPECT_EQ(bench.machine.CycleMemory(), Padded(file)) << c.size;
        EXPECT_EQ(bench.Count(c.announce), 1) << c.size;
        EXPECT_EQ(bench.Count("<block>"), c.blocks);
        EXPECT_EQ(bench.Count("STA"), 1);
        EXPECT_EQ(bench.ui.Main(), texts::kCyclesDownloaded);
        EXPECT_EQ(bench.ui.Detail(), "");
        EXPECT_TRUE(bench.ui.transfersEnabled);
        EXPECT_FALSE(bench.ui.hourglass);
        EXPECT_TRUE(bench.ui.asked.empty());
    }
}

TEST(CommCycleWrite, BlankBlockInsideTheFileIsNotSent) {
    TempFolder folder;
    SimBench bench(Machine());
    std::vector<uint8_t> file = CycleFile(3 * 256);
    std::fill(file.begin() + 256, file.begin() + 512, 0xFF);
    EXPECT_TRUE(WriteCycles(bench.panel, folder.Write(kSendWorkingFile, file), 0));
    EXPECT_EQ(bench.Count("<block>"), 2);
    EXPECT_EQ(bench.Count("PB1001"), 0);
    EXPECT_EQ(bench.machine.CycleMemory(), file);
}

TEST(CommCycleWrite, FileChecksRefuseBeforeAnythingIsSent) {
    struct Case {
        const char *name;
        std::vector<uint8_t> bytes;
        bool create;
        const char *message;
        const char *mainPanel; // nullptr: left as it was
    };
    std::vector<uint8_t> wrongSignature = CycleFile(100);
    wrongSignature[3] = 'X';
    const Case cases[] = {
        {"missing", {}, false, texts::kFileNotFound, texts::kFileError},
        {"signature", wrongSignature, true, texts::kFileFormatError, nullptr},
        {"shorter than the signature", {'K', 'O'}, true, texts::kFileFormatError, nullptr},
        {"empty", {}, true, texts::kFileFormatError, nullptr},
        {"over 64K", CycleFile(65537), true, texts::kCyclesTooBig, texts::kFileError},
    };
    for (const Case &c : cases) {
        TempFolder folder;
        SimBench bench(Machine());
        bench.ui.status[0] = "before";
        const std::string path =
            c.create ? folder.Write(kSendWorkingFile, c.bytes) : folder.File(kSendWorkingFile);
        EXPECT_FALSE(WriteCycles(bench.panel, path, 0)) << c.name;
        EXPECT_EQ(bench.ui.asked, std::vector<std::string>{c.message}) << c.name;
        EXPECT_EQ(bench.ui.Main(), c.mainPanel ? c.mainPanel : "before") << c.name;
        EXPECT_TRUE(bench.port.sent.empty()) << c.name;
    }
}

TEST(CommCycleWrite, CoinChecksCompareKeypadAndConfiguredType) {
    struct Case {
        const char *name;
        bool coinMachine;
        const char *firmware;
        int configuredType;
        const char *refusal; // nullptr: the write goes through
    };
    const Case cases[] = {
        {"coin keypad, plain type", true, "1.10", 0, texts::kNotCoinType},
        {"plain keypad, coin type", false, "1.10", kCoinType, texts::kIsCoinType},
        {"plain keypad, coin type, old firmware", false, "1.04", kCoinType, nullptr},
        {"coin keypad, coin type", true, "1.10", kCoinType, nullptr},
        {"unreadable firmware counts as oldest", false, "x.yz", kCoinType, nullptr},
    };
    for (const Case &c : cases) {
        TempFolder folder;
        sim::ControllerOptions options = Machine(static_cast<uint8_t>(c.configuredType));
        options.coin = c.coinMachine;
        options.firmwareText = c.firmware;
        SimBench bench(options);
        const std::string path =
            folder.Write(kSendWorkingFile, CycleFile(600, static_cast<uint8_t>(c.configuredType)));
        EXPECT_EQ(WriteCycles(bench.panel, path, c.configuredType), c.refusal == nullptr) << c.name;
        if (c.refusal) {
            EXPECT_EQ(bench.ui.asked, std::vector<std::string>{c.refusal}) << c.name;
            EXPECT_EQ(bench.Count("I"), 0) << c.name; // refused before identification
            EXPECT_EQ(bench.ui.Main(), texts::kError);
            const auto &log = bench.ui.statusLog;
            EXPECT_NE(std::find(log.begin(), log.end(), texts::kMachineTypeError), log.end());
        }
    }
}

TEST(CommCycleWrite, LastVersionReplyStaysInForceWhenVerIsNotAnswered) {
    TempFolder folder;
    sim::ControllerOptions options = Machine();
    options.coin = true;
    SimBench bench(options);
    const std::string path = folder.Write(kSendWorkingFile, CycleFile(300));
    EXPECT_FALSE(WriteCycles(bench.panel, path, 0));
    EXPECT_EQ(bench.state.keypadKind, 'K');
    // The same dialog later meets a machine that does not answer at all.
    bench.port.SetPeer({});
    bench.ui.asked.clear();
    EXPECT_FALSE(WriteCycles(bench.panel, path, 0));
    EXPECT_EQ(bench.ui.asked, std::vector<std::string>{texts::kNotCoinType});
}

TEST(CommCycleWrite, ConfigurationQuestionAndConnectionQuestions) {
    struct Case {
        const char *name;
        uint8_t machineType;
        uint8_t machineDrains;
        int busy;
        std::initializer_list<Answer> answers;
        bool result;
        std::vector<std::string> asked;
    };
    const Case cases[] = {
        {"type differs, No", 3, 0x01, 0, {Answer::No}, false, {texts::kConfigDiffers}},
        {"drains differ, Yes", 0, 0x12, 0, {Answer::Yes}, true, {texts::kConfigDiffers}},
        {"busy, Retry", 0, 0x01, 1, {Answer::Retry}, true, {texts::kBusyOrLocked}},
        {"busy, Cancel", 0, 0x01, 5, {Answer::Cancel}, false, {texts::kBusyOrLocked}},
    };
    for (const Case &c : cases) {
        TempFolder folder;
        sim::ControllerOptions options = Machine(c.machineType, c.machineDrains);
        options.busyIdentifications = c.busy;
        SimBench bench(options);
        bench.ui.answers = c.answers;
        const std::string path = folder.Write(kSendWorkingFile, CycleFile(300, 0, 0x01));
        EXPECT_EQ(WriteCycles(bench.panel, path, 0), c.result) << c.name;
        EXPECT_EQ(bench.ui.asked, c.asked) << c.name;
        if (!c.result) {
            EXPECT_EQ(bench.Count("ATT"), 0) << c.name;
            EXPECT_EQ(bench.Count("STA"), 0) << c.name;
            EXPECT_EQ(bench.ui.Main(), texts::kError) << c.name;
        }
    }
}

TEST(CommCycleWrite, SilentMachineCancelled) {
    TempFolder folder;
    SimBench bench(Machine());
    bench.port.SetPeer({});
    EXPECT_FALSE(WriteCycles(bench.panel, folder.Write(kSendWorkingFile, CycleFile(300)), 0));
    EXPECT_EQ(bench.ui.asked, std::vector<std::string>{texts::kFailedToConnect});
    EXPECT_EQ(bench.ui.Main(), texts::kError);
    EXPECT_TRUE(bench.ui.transfersEnabled);
}

TEST(CommCycleRead, FetchesTheStoredBlocks) {
    TempFolder folder;
    sim::ControllerOptions options = Machine();
    options.corruptRate = 0.2; // damaged block frames are asked for again
    options.seed = 3;
    SimBench bench(options);
    const std::vector<uint8_t> stored = Padded(CycleFile(1000));
    bench.machine.SetCycleMemory(stored);
    const std::string path = folder.File(kReadWorkingFile);
    EXPECT_TRUE(ReadCycles(bench.panel, path));
    EXPECT_EQ(folder.Read(kReadWorkingFile), stored);
    EXPECT_EQ(bench.ui.Main(), texts::kCyclesUploaded);
    EXPECT_EQ(bench.Count("STA"), 1);
    EXPECT_EQ(bench.ui.gaugeLog.back(), 0);
}

TEST(CommCycleRead, FailuresLeaveNoFile) {
    struct Case {
        const char *name;
        std::vector<uint8_t> stored;
        bool silent;
        const char *message;
        int starts;
    };
    std::vector<uint8_t> lastByte254(512, 0x11);
    lastByte254[511] = 254;
    const Case cases[] = {
        {"nothing stored", {}, false, texts::kNoCyclesInMemory, 1},
        {"no end records", std::vector<uint8_t>(512, 0x11), false, texts::kCyclesCorrupt, 1},
        {"254 only as the last byte", lastByte254, false, texts::kCyclesCorrupt, 1},
        {"silent machine", std::vector<uint8_t>(256, 0x11), true, texts::kFailedToConnect, 0},
    };
    for (const Case &c : cases) {
        TempFolder folder;
        SimBench bench(Machine());
        bench.machine.SetCycleMemory(c.stored);
        if (c.silent)
            bench.port.SetPeer({});
        EXPECT_FALSE(ReadCycles(bench.panel, folder.File(kReadWorkingFile))) << c.name;
        EXPECT_EQ(bench.ui.asked, std::vector<std::string>{c.message}) << c.name;
        EXPECT_FALSE(folder.Exists(kReadWorkingFile)) << c.name;
        EXPECT_EQ(bench.Count("STA"), c.starts) << c.name;
        EXPECT_EQ(bench.ui.Main(), texts::kError) << c.name;
        EXPECT_TRUE(bench.ui.transfersEnabled) << c.name;
    }
}

TEST(CommCycleRead, BlockThatNeverChecksAsksNoConnection) {
    TempFolder folder;
    SimBench bench(Machine());
    bench.machine.SetCycleMemory(Padded(CycleFile(300)));
    // Every block frame arrives with one byte altered.
    bench.port.SetPeer([&](const uint8_t *d, std::size_t n) {
        std::vector<uint8_t> reply = bench.machine.Receive(d, n);
        if (reply.size() == 289)
            reply[100] ^= 0x01;
        return reply;
    });
    bench.ui.answers = {Answer::Retry, Answer::Cancel};
    EXPECT_FALSE(ReadCycles(bench.panel, folder.File(kReadWorkingFile)));
    EXPECT_EQ(bench.Count("RBL000"), 50);
    EXPECT_EQ(bench.ui.asked,
              (std::vector<std::string>{texts::kNoConnection, texts::kNoConnection}));
    const auto &log = bench.ui.statusLog;
    EXPECT_NE(std::find(log.begin(), log.end(), texts::kOptoError), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), texts::kSendAborted), log.end());
    EXPECT_FALSE(folder.Exists(kReadWorkingFile));
}

TEST(CommCycleRead, BlockCountFromTheNbbReply) {
    TempFolder folder;
    SimBench bench(Machine());
    const std::vector<uint8_t> stored = Padded(CycleFile(200 * 256));
    bench.machine.SetCycleMemory(stored);
    EXPECT_TRUE(ReadCycles(bench.panel, folder.File(kReadWorkingFile)));
    EXPECT_EQ(bench.Count("RBL199"), 1);
    EXPECT_EQ(bench.Count("RBL200"), 0);
    EXPECT_EQ(folder.Read(kReadWorkingFile).size(), 200u * 256);
}
