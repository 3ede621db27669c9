// The RS-485 network: frames, the single exchange, the scan and both writes, run against the
// simulated machines in-process.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "comm/NetworkFrame.h"
#include "comm/NetworkLine.h"
#include "comm/NetworkTransaction.h"
#include "comm/NetworkTransfer.h"
#include "comm/NetworkWrite.h"
#include "config/MachineTypeTable.h"
#include "sim/Controller.h"
#include "support/MemoryPort.h"
#include "support/ScriptedUi.h"
#include "support/SimBench.h"

using namespace korvanta;
using korvanta::testing::MemoryPort;
using korvanta::testing::ScriptedUi;
using korvanta::testing::TempFolder;
using Bytes = std::vector<uint8_t>;

namespace {

Bytes Text(const std::string &text) {
    return {text.begin(), text.end()};
}

// A reply frame as a machine sends it: ";", address, text, checksum, CR.
Bytes Reply(int address, const std::string &text) {
    Bytes frame = NetworkFrame(address, text);
    frame.pop_back(); // the NUL only goes from the computer to the machines
    return frame;
}

// Machines of type 18 with drains 0x21 on one line, and what the dialog keeps.
struct NetworkBench {
    explicit NetworkBench(std::vector<int> addresses) : machine(Options(std::move(addresses))) {
        // Frames go out a byte at a time; each is handed over whole when its NUL arrives.
        port.SetPeer([this](const uint8_t *d, std::size_t n) {
            pending.insert(pending.end(), d, d + n);
            if (pending.empty() || pending.back() != 0)
                return Bytes{};
            Bytes frame;
            frame.swap(pending);
            if (tamper)
                tamper(frame);
            return machine.Receive(frame);
        });
        port.onIdle = [this] { machine.LineIdle(); };
    }
    static sim::ControllerOptions Options(std::vector<int> addresses) {
        sim::ControllerOptions options;
        options.machineType = 18;
        options.drains = 0x21;
        options.networkAddresses = std::move(addresses);
        return options;
    }
    // Opens, scans and ticks the machines at these addresses.
    void Tick(std::vector<int> addresses) {
        ASSERT_TRUE(OpenNetworkPort(line, "COM1"));
        ScanNetwork(line);
        for (NetworkMachine &m : state.machines)
            for (int a : addresses)
                m.ticked = m.ticked || m.address == a;
    }
    int Count(const std::string &request) const {
        const auto &log = machine.RequestLog();
        return static_cast<int>(std::count(log.begin(), log.end(), request));
    }
    std::vector<std::string> Log(const std::string &prefix) const {
        std::vector<std::string> found;
        for (const std::string &r : machine.RequestLog())
            if (r.find(":" + prefix) != std::string::npos)
                found.push_back(r);
        return found;
    }

    sim::Controller machine;
    std::function<void(Bytes &)> tamper; // changes a whole frame before the machines get it
    Bytes pending;
    MemoryPort port;
    ScriptedUi ui;
    NetworkState state;
    NetworkLine line{port, ui, state};
};

// A wash data file of `size` bytes whose header says type 18 and drains 0x21.
Bytes CyclesFile(std::size_t size, int type = 18) {
    Bytes file(size);
    for (std::size_t i = 0; i < size; ++i)
        file[i] = static_cast<uint8_t>(i * 7 + 1);
    const std::string signature = "KORVANTA-DAT100";
    std::copy(signature.begin(), signature.end(), file.begin());
    file[16] = static_cast<uint8_t>(type);
    file[18] = 0x21;
    return file;
}

// What the machines store: the blocks sent, padded to their 256-byte blocks.
Bytes Stored(const Bytes &file) {
    Bytes sent = file;
    sent.resize((file.size() / 64 + 1) * 64, file.back());
    sent.resize((sent.size() + 255) / 256 * 256, 0xFF);
    return sent;
}

} // namespace

TEST(CommNetworkFrame, FramesCarryAddressCommandChecksumCrAndNul) {
    EXPECT_EQ(NetworkFrame(0, "I"), Text(std::string(";00IA9\r") + '\0'));
    EXPECT_EQ(NetworkFrame(2, "A"), Text(std::string(";02AA3\r") + '\0'));
    EXPECT_EQ(NetworkFrame(0xFF, "BW0800"), Text(std::string(";FFBW0800ED\r") + '\0'));
}

TEST(CommNetworkTransaction, VerdictOnReplies) {
    const Bytes good = Reply(2, "ak");
    Bytes echoed = NetworkFrame(2, "A");
    echoed.resize(8);
    echoed.insert(echoed.end(), good.begin(), good.end());
    Bytes late = {0x00, 0x17};
    late.insert(late.end(), good.begin(), good.end());
    struct Case {
        const char *name;
        Bytes reply;
        bool valid;
    } cases[] = {
        {"plain reply", good, true},
        {"echo of the request first", echoed, true},
        {"stray bytes before the reply", late, true},
        {"reply from another address, sum right", Reply(3, "ak"), false},
        {"wrong checksum", Text(";02ak00\r"), false},
        {"checksum digits in lower case", Text(";02ak2e\r"), false},
        {"no CR after the checksum", Text(";02ak2E"), false},
        {"silence", {}, false},
    };
    for (const Case &c : cases) {
        MemoryPort port([&](const uint8_t *, std::size_t) { return c.reply; });
        port.Open("COM1", NetworkLink);
        ReplyBuffer reply;
        // 16 bytes expected, so that an echoed request and the reply behind it both arrive.
        EXPECT_EQ(NetworkTransaction(port, reply, 2, "A", 16), c.valid) << c.name;
        if (c.valid) {
            EXPECT_TRUE(NetworkReplyStartsWith(reply, "ak")) << c.name;
        }
    }
}

TEST(CommNetworkScan, ListsAnsweringMachinesInAddressOrder) {
    NetworkBench bench({3, 0, 7});
    ASSERT_TRUE(OpenNetworkPort(bench.line, "COM1"));
    EXPECT_EQ(ScanNetwork(bench.line), 2) << "address 7 lies beyond the scan";
    ASSERT_EQ(bench.state.machines.size(), 2u);
    EXPECT_EQ(bench.state.machines[0].address, 0);
    EXPECT_EQ(bench.state.machines[1].address, 3);
    EXPECT_EQ(bench.state.machines[1].machineType, 18);
    EXPECT_EQ(bench.state.machines[1].drains, 0x21) << "nibbles swapped back";
    EXPECT_EQ(bench.state.blockCounter, 0);
    EXPECT_EQ(NetworkMachineCaption(3), "Machine  3");
    EXPECT_EQ(NetworkMachineCaption(12), "Machine 12");
}

TEST(CommNetworkScan, TypesOutsideTheTableAreUnknown) {
    for (const char *type : {"FF", "1C", "zz"}) {
        // Frames go out a byte at a time: the address is looked at once the NUL arrived.
        Bytes pending;
        MemoryPort port([&](const uint8_t *d, std::size_t n) {
            pending.insert(pending.end(), d, d + n);
            if (pending.empty() || pending.back() != 0)
                return Bytes{};
            const bool toOne = pending.size() > 2 && pending[2] == '1';
            pending.clear();
            return toOne ? Reply(1, std::string(type) + "12N") : Bytes{};
        });
        ScriptedUi ui;
        NetworkState state;
        NetworkLine line{port, ui, state};
        ASSERT_TRUE(OpenNetworkPort(line, "COM1"));
        ASSERT_EQ(ScanNetwork(line), 1) << type;
        EXPECT_EQ(NetworkDesignation(state.machines[0].machineType), "Unknown") << type;
    }
    EXPECT_EQ(NetworkDesignation(18), MachineTypeAt(18).designation);
}

TEST(CommNetworkProgress, BarWidthFromBlockCounter) {
    struct Case {
        int counter, total, width;
    } cases[] = {{0, 10, 0},           {5, 10, 75}, {10, 10, 150}, {2048 + 5, 10, 75},
                 {2048 + 10, 10, 150}, {3, 0, 0},   {12, 10, 150}};
    for (const Case &c : cases)
        EXPECT_EQ(NetworkProgressWidth(150, c.counter, c.total), c.width)
            << c.counter << "/" << c.total;
}

TEST(CommNetworkWrite, CyclesReachEveryTickedMachineInOnePass) {
    TempFolder folder;
    const Bytes file = CyclesFile(100);
    const std::string path = folder.Write("Tworking.kvt", file);
    NetworkBench bench({0, 2, 4});
    bench.Tick({0, 4});
    std::vector<int> commitTimeouts; // a machine may take up to 20 s to store what it got
    bench.tamper = [&](Bytes &frame) {
        if (frame.size() > 4 && frame[3] == 'B' && frame[4] == 'F')
            commitTimeouts.push_back(bench.port.readConstantMs);
    };
    ASSERT_TRUE(WriteNetworkCycles(bench.line, path));
    EXPECT_EQ(commitTimeouts, (std::vector<int>{20000, 20000}));
    EXPECT_EQ(bench.ui.Main(), "Status: Done");
    EXPECT_EQ(bench.machine.NetworkCycleMemory(0), Stored(file));
    EXPECT_EQ(bench.machine.NetworkCycleMemory(4), Stored(file));
    EXPECT_TRUE(bench.machine.NetworkCycleMemory(2).empty());
    // Each block goes out once and is confirmed by each machine, the first listed first.
    EXPECT_EQ(bench.Log("BW"), (std::vector<std::string>{"FF:BW0000", "FF:BW0001"}));
    EXPECT_EQ(bench.Log("BL"), (std::vector<std::string>{"00:BL0001", "04:BL0001"}));
    EXPECT_EQ(bench.Log("BF"), (std::vector<std::string>{"00:BF0001", "04:BF0001"}));
    std::vector<std::string> afterFirstBlock;
    const auto &log = bench.machine.RequestLog();
    const auto at = std::find(log.begin(), log.end(), "FF:BW0000");
    afterFirstBlock.assign(at + 1, at + 3);
    EXPECT_EQ(afterFirstBlock, (std::vector<std::string>{"00:R", "04:R"}));
    EXPECT_EQ(bench.port.readConstantMs, 20) << "the commit's long time-out is given back";
    for (const NetworkMachine &m : bench.state.machines)
        EXPECT_EQ(m.image, m.ticked ? NetworkImage::Written : NetworkImage::None) << m.address;
    EXPECT_FALSE(bench.ui.hourglass);
}

TEST(CommNetworkWrite, UnconfirmedBlockStopsBeforeAnyMachineFinishes) {
    TempFolder folder;
    const std::string path = folder.Write("Tworking.kvt", CyclesFile(100));
    NetworkBench bench({0, 1});
    bench.Tick({0, 1});
    // Damaged data blocks: every "R" is answered FFFF.
    bench.tamper = [](Bytes &frame) {
        if (frame.size() > 20 && frame[1] == 'F')
            frame[10] = 'x';
    };
    EXPECT_FALSE(WriteNetworkCycles(bench.line, path));
    EXPECT_EQ(bench.ui.Main(), "Status: Error writing cycles");
    EXPECT_EQ(bench.Count("00:R"), 5);
    EXPECT_EQ(bench.Count("01:R"), 0);
    EXPECT_TRUE(bench.Log("GO").empty());
    EXPECT_TRUE(bench.ui.asked.empty()) << "a failed cycles write shows no box";
    EXPECT_EQ(bench.state.machines[0].image, NetworkImage::None);
}

TEST(CommNetworkWrite, CyclesRefusedBeforeSending) {
    TempFolder folder;
    Bytes badSignature = CyclesFile(100);
    badSignature[3] = 'X';
    struct Case {
        const char *name;
        std::string path;
        Answer answer;
        std::vector<std::string> asked;
        std::string status;
        NetworkImage image;
    } cases[] = {
        {"missing file",
         folder.File("none.kvt"),
         Answer::Yes,
         {"Error loading cycle file (*.kvt) file!"},
         "Status: Done",
         NetworkImage::None},
        {"wrong signature",
         folder.Write("bad.kvt", badSignature),
         Answer::Yes,
         {"Invalid cycle file (*.kvt) file!"},
         "Status: Error writing cycles",
         NetworkImage::None},
        {"other configuration, No",
         folder.Write("other.kvt", CyclesFile(100, 5)),
         Answer::No,
         {"Configuration differs from the one found in one or more machines! \rContinue?"},
         "Status: Done",
         NetworkImage::ConfigDiffers},
    };
    for (const Case &c : cases) {
        NetworkBench bench({0, 1});
        bench.Tick({1});
        bench.ui.answers = {c.answer};
        EXPECT_FALSE(WriteNetworkCycles(bench.line, c.path)) << c.name;
        EXPECT_EQ(bench.ui.asked, c.asked) << c.name;
        EXPECT_EQ(bench.ui.Main(), c.status) << c.name;
        EXPECT_TRUE(bench.Log("A").empty()) << c.name << ": nothing sent";
        EXPECT_EQ(bench.state.machines[1].image, c.image) << c.name;
        EXPECT_EQ(bench.state.machines[0].image, NetworkImage::None) << c.name << ": not ticked";
    }
}

TEST(CommNetworkWrite, SoftwareBlocksCountFrom2048) {
    TempFolder folder;
    Bytes file(300, 0);
    for (std::size_t i = 256; i < file.size(); ++i)
        file[i] = static_cast<uint8_t>(i);
    const std::string path = folder.Write("Kvt_1.bin", file);
    NetworkBench bench({2});
    bench.Tick({2});
    ASSERT_TRUE(WriteNetworkSoftware(bench.line, path));
    EXPECT_EQ(bench.ui.Main(), "Status: Done");
    EXPECT_EQ(bench.Log("BW").front(), "FF:BW0800");
    EXPECT_EQ(bench.Log("BL"), (std::vector<std::string>{"02:BL0004"}));
    EXPECT_EQ(bench.Log("BF"), (std::vector<std::string>{"02:BF0804"}));
    const Bytes image = bench.machine.NetworkSoftwareImage(2);
    Bytes sent = file;
    sent.resize(320, file.back());
    EXPECT_EQ(Bytes(image.begin(), image.begin() + 320), sent);
    EXPECT_EQ(bench.state.machines[0].image, NetworkImage::None) << "the list is not changed";
}

TEST(CommNetworkWrite, SoftwareOf64KiBStopsAfterBlock3072) {
    TempFolder folder;
    const std::string path = folder.Write("Kvt_big.bin", Bytes(65536, 0));
    NetworkBench bench({0});
    bench.Tick({0});
    EXPECT_FALSE(WriteNetworkSoftware(bench.line, path));
    EXPECT_EQ(bench.ui.Main(), "Status: Error writing software");
    EXPECT_EQ(bench.ui.asked, (std::vector<std::string>{"Error during writing software!"}));
    EXPECT_EQ(bench.Log("BW").back(), "FF:BW0C00");
    EXPECT_EQ(bench.Log("BF"), (std::vector<std::string>{"00:BF0BFF"}));
    EXPECT_TRUE(bench.Log("GO").empty());
}

TEST(CommNetworkWrite, SoftwareRefusedBeforeSending) {
    TempFolder folder;
    Bytes badVector(300, 0);
    badVector[1] = 0x23; // 0x00230000: beyond the program's address range
    struct Case {
        const char *name;
        std::string path;
        std::vector<std::string> asked;
    } cases[] = {
        {"missing file",
         folder.File("Kvt_none.bin"),
         {"Error loading software file (*.bin) file!"}},
        {"bad vector",
         folder.Write("Kvt_bad.bin", badVector),
         {"Invalid program file (*.bin) file!"}},
        {"empty file", folder.Write("Kvt_empty.bin", {}), {"Invalid program file (*.bin) file!"}},
    };
    for (const Case &c : cases) {
        NetworkBench bench({0});
        bench.Tick({0});
        EXPECT_FALSE(WriteNetworkSoftware(bench.line, c.path)) << c.name;
        EXPECT_EQ(bench.ui.asked, c.asked) << c.name;
        EXPECT_EQ(bench.ui.Main(), "Status: Done") << c.name;
        EXPECT_TRUE(bench.Log("A").empty()) << c.name;
    }
}
