#include <gtest/gtest.h>

#include <vector>

#include "comm/BoardInfo.h"
#include "comm/CommTexts.h"
#include "comm/LifeTestTransfer.h"
#include "comm/PortDetection.h"
#include "comm/PricesTransfer.h"
#include "prices/PricesFile.h"
#include "support/SimBench.h"

using namespace korvanta;
using namespace korvanta::testing;

namespace {

sim::ControllerOptions CoinMachine(bool coin = true) {
    sim::ControllerOptions options;
    options.coin = coin;
    return options;
}

PriceWords SomeWords() {
    PriceWords words{};
    for (std::size_t i = 0; i < kPriceWordCount; ++i)
        words[i] = static_cast<uint16_t>(0x1111 * (i % 9) + i);
    return words;
}

} // namespace

TEST(CommPricesWrite, SendsTheAnnouncedWords) {
    TempFolder folder;
    SimBench bench(CoinMachine());
    const PriceWords words = SomeWords();
    EXPECT_TRUE(WritePrices(bench.panel, folder.Write("p.kvtprices", EncodePricesFile(words))));
    for (std::size_t i = 0; i < kPriceWordCount; ++i)
        EXPECT_EQ(bench.machine.Parameter(static_cast<int>(i + 1)), words[i]) << i;
    EXPECT_EQ(bench.Count("EW01" + std::string("0001")), 0); // words[0] is 0
    EXPECT_EQ(bench.Count("EW010000"), 1);
    EXPECT_EQ(bench.Count("EW0B" + std::string("111B")), 1);
    EXPECT_EQ(bench.ui.Main(), texts::kPricesDownloaded);
    EXPECT_EQ(bench.ui.gaugeLog[kPriceWordCount - 1], 100);
}

TEST(CommPricesWrite, FileChecks) {
    struct Case {
        const char *name;
        std::vector<uint8_t> bytes;
        bool create;
        bool result;
        std::vector<std::string> asked;
        int framesSent;
    };
    const std::vector<uint8_t> good = EncodePricesFile(SomeWords());
    std::vector<uint8_t> otherVersion = good;
    otherVersion[12] = '9'; // version digits are not tested
    std::vector<uint8_t> noWords(good.begin(), good.begin() + 14);
    noWords[13] = 0;
    std::vector<uint8_t> truncated(good.begin(), good.begin() + 20); // announces 22 bytes
    std::vector<uint8_t> tooBig(109, 0);
    std::copy(good.begin(), good.begin() + 14, tooBig.begin());
    std::vector<uint8_t> badSignature = good;
    badSignature[0] = 'X';
    const std::vector<uint8_t> headerOnly(good.begin(), good.begin() + 12);
    const Case cases[] = {
        {"missing", {}, false, false, {texts::kFileNotFound}, 0},
        {"signature", badSignature, true, false, {texts::kFileFormatError}, 0},
        {"other version digits", otherVersion, true, true, {}, 12},
        {"no words", noWords, true, true, {}, 1},
        {"announces more than it holds", truncated, true, false, {texts::kFileFormatError}, 0},
        {"shorter than the header", headerOnly, true, false, {texts::kFileFormatError}, 0},
        {"over 108 bytes", tooBig, true, false, {texts::kPricesTooBig}, 0},
    };
    for (const Case &c : cases) {
        TempFolder folder;
        SimBench bench(CoinMachine());
        const std::string path =
            c.create ? folder.Write("p.kvtprices", c.bytes) : folder.File("p.kvtprices");
        EXPECT_EQ(WritePrices(bench.panel, path), c.result) << c.name;
        EXPECT_EQ(bench.ui.asked, c.asked) << c.name;
        // One identification frame, then one "EW" frame per word.
        EXPECT_EQ(static_cast<int>(bench.port.sent.size()), c.framesSent) << c.name;
    }
}

TEST(CommPricesWrite, RefusesANonCoinMachine) {
    TempFolder folder;
    SimBench bench(CoinMachine(false));
    EXPECT_FALSE(WritePrices(bench.panel, folder.Write("p.kvtprices", EncodePricesFile({}))));
    EXPECT_EQ(bench.ui.asked, std::vector<std::string>{texts::kNotCoinMachine});
    EXPECT_EQ(bench.ui.Main(), texts::kError);
    EXPECT_EQ(bench.Count("EW010000"), 0);
}

TEST(CommPricesRead, SavesTheElevenParameters) {
    TempFolder folder;
    SimBench bench(CoinMachine());
    const PriceWords words = SomeWords();
    for (std::size_t i = 0; i < kPriceWordCount; ++i)
        bench.machine.SetParameter(static_cast<int>(i + 1), words[i]);
    bench.ui.chosenPath = folder.File("read.kvtprices");
    EXPECT_TRUE(ReadPrices(bench.panel));
    EXPECT_EQ(folder.Read("read.kvtprices"), EncodePricesFile(words));
    EXPECT_EQ(bench.ui.Main(), texts::kPricesRead);
    ASSERT_EQ(bench.ui.requests.size(), 1u);
    EXPECT_TRUE(bench.ui.requests[0].save);
    EXPECT_EQ(bench.ui.requests[0].extension, "kvtprices");
}

TEST(CommPricesRead, FileThatCannotBeSavedIsAFailure) {
    TempFolder folder;
    SimBench bench(CoinMachine());
    bench.ui.chosenPath = folder.File("no/such/folder/read.kvtprices");
    EXPECT_FALSE(ReadPrices(bench.panel));
    EXPECT_EQ(bench.ui.asked, std::vector<std::string>{"Unable to save " + bench.ui.chosenPath});
    EXPECT_EQ(bench.ui.Main(), texts::kError);
}

TEST(CommPricesRead, OutcomesWithoutAFile) {
    struct Case {
        const char *name;
        bool coin;
        bool silentParameters;
        bool result;
        const char *mainPanel;
        std::vector<std::string> asked;
    };
    const Case cases[] = {
        {"save cancelled", true, false, true, texts::kPricesRead, {}},
        {"not a coin machine", false, false, false, texts::kEstablishing, {texts::kNotCoinMachine}},
        {"parameters never answered", true, true, false, texts::kError, {texts::kNoConnection}},
    };
    for (const Case &c : cases) {
        SimBench bench(CoinMachine(c.coin));
        if (c.silentParameters)
            bench.port.SetPeer([&](const uint8_t *d, std::size_t n) {
                return n == 7 ? std::vector<uint8_t>{} : bench.machine.Receive(d, n);
            });
        EXPECT_EQ(ReadPrices(bench.panel), c.result) << c.name;
        EXPECT_EQ(bench.ui.Main(), c.mainPanel) << c.name;
        EXPECT_EQ(bench.ui.asked, c.asked) << c.name;
        if (c.silentParameters) {
            EXPECT_TRUE(bench.ui.requests.empty()) << c.name; // no file is offered
        }
    }
}

TEST(CommLifeTest, WriteAndReadBack) {
    struct Case {
        uint16_t stored;
        bool on;
    };
    for (const Case &c : {Case{0x5A27, true}, Case{0x0001, false}, Case{0, false}}) {
        SimBench bench(CoinMachine(false));
        bench.machine.SetParameter(kLifeTestParameter, c.stored);
        EXPECT_EQ(ReadLifeTest(bench.panel), std::optional<bool>(c.on));
        EXPECT_EQ(bench.ui.Main(), texts::kLifetestRead);
        EXPECT_EQ(bench.ui.gaugeLog.front(), 65);
    }
    for (bool on : {true, false}) {
        SimBench bench(CoinMachine(false));
        bench.machine.SetParameter(kLifeTestParameter, 0x1234);
        EXPECT_TRUE(WriteLifeTest(bench.panel, on));
        EXPECT_EQ(bench.machine.Parameter(kLifeTestParameter), on ? 0x5A27 : 0);
        EXPECT_EQ(bench.ui.Main(), texts::kLifetestWritten);
    }
    SimBench silent;
    silent.port.SetPeer({});
    EXPECT_EQ(ReadLifeTest(silent.panel), std::nullopt);
    EXPECT_EQ(silent.ui.Main(), texts::kError);
}

TEST(CommBoardInfo, VersionTextsOrNoConnection) {
    sim::ControllerOptions options;
    options.bootText = "1.05";
    options.hardwareText = "HW-REV-0042";
    SimBench bench(options);
    bench.port.Close();
    const BoardInfo info = RequestBoardInfo(bench.panel, "COM3");
    EXPECT_TRUE(info.answered);
    EXPECT_EQ(info.texts.boot, "1.05");
    EXPECT_EQ(info.texts.hardware, "HW-REV-004"); // ten characters at most
    EXPECT_EQ(bench.port.readConstantMs, 500);
    EXPECT_FALSE(bench.port.IsOpen());
    EXPECT_EQ(bench.ui.Main(), texts::kDone);
    EXPECT_EQ(PlannerVersionText(), "2.04");

    SimBench silent;
    silent.port.Close();
    silent.port.SetPeer({});
    silent.ui.answers = {Answer::Retry, Answer::Cancel};
    const BoardInfo none = RequestBoardInfo(silent.panel, "COM3");
    EXPECT_TRUE(none.cancelled);
    EXPECT_EQ(silent.Count("VER"), 0);
    EXPECT_EQ(silent.port.sent.size(), 6u);
    EXPECT_EQ(silent.ui.Main(), texts::kError);

    SimBench refused;
    refused.port.Close();
    refused.port.refusedNames = {"COM3"};
    const BoardInfo closed = RequestBoardInfo(refused.panel, "COM3");
    EXPECT_FALSE(closed.portOpened);
    EXPECT_EQ(refused.ui.asked, std::vector<std::string>{texts::kComPortError});
}

TEST(CommDetection, FirstAnsweringPortInListOrder) {
    sim::Controller machine({});
    MemoryPort port;
    port.refusedNames = {"COM1"};
    // COM2 is silent, COM3 and COM4 have machines.
    port.SetPeer([&](const uint8_t *d, std::size_t n) {
        const std::string &name = port.openedNames.back();
        return name == "COM2" ? std::vector<uint8_t>{} : machine.Receive(d, n);
    });
    const Detection found = DetectMachine(port, {"COM1", "COM2", "COM3", "COM4"});
    EXPECT_EQ(found.index, 2);
    EXPECT_EQ(found.message, "Machine detected on COM3");
    EXPECT_EQ(port.openedNames, (std::vector<std::string>{"COM1", "COM2", "COM3"}));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.closes, 2);

    MemoryPort empty;
    EXPECT_EQ(DetectMachine(empty, {}).message, texts::kNoMachineFound);
    // A machine whose version reply has a wrong checksum is not detected.
    MemoryPort wrong([&](const uint8_t *d, std::size_t n) {
        std::vector<uint8_t> reply = machine.Receive(d, n);
        if (reply.size() > 42)
            reply[42] ^= 1;
        return reply;
    });
    EXPECT_EQ(DetectMachine(wrong, {"COM5"}).index, -1);
}
