#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "comm/CommTexts.h"
#include "comm/FrontPanel.h"
#include "comm/FrontPanelCodes.h"
#include "support/MemoryPort.h"
#include "support/ScriptedPeer.h"
#include "support/ScriptedUi.h"

using namespace korvanta;
using namespace korvanta::testing;

namespace {

// A front panel wired to a scripted machine through the in-memory port.
struct Bench {
    ScriptedPeer peer;
    MemoryPort port{[this](const uint8_t *d, std::size_t n) { return peer(d, n); }};
    ScriptedUi ui;
    FrontPanelState state;
    FrontPanel panel{port, ui, state};

    Bench() { port.Open("COM1", FrontPanelLink); }
    void Answer(std::function<std::vector<uint8_t>(const std::string &)> answer) {
        peer.answer = std::move(answer);
    }
    void Script(std::initializer_list<korvanta::Answer> answers) { ui.answers = answers; }
};

std::vector<uint8_t> Ack() {
    return ScriptedPeer::Short(kAck);
}
std::vector<uint8_t> Nak() {
    return ScriptedPeer::Short(kNak);
}

} // namespace

TEST(CommProtocol, SendCommandAttemptsThenAsks) {
    struct Case {
        const char *name;
        std::initializer_list<Answer> answers;
        bool silent;
        bool result;
        int framesSent;
        int questions;
    };
    const Case cases[] = {
        {"cancel at once", {Answer::Cancel}, false, false, 50, 1},
        {"retry once, then cancel", {Answer::Retry, Answer::Cancel}, false, false, 100, 2},
        {"closed box counts as cancel", {}, false, false, 50, 1},
        {"silent never asks", {Answer::Retry}, true, false, 50, 0},
    };
    for (const Case &c : cases) {
        Bench bench;
        bench.Answer([](const std::string &) { return Nak(); });
        bench.Script(c.answers);
        EXPECT_EQ(bench.panel.SendCommand("ATT", 50, c.silent), c.result) << c.name;
        EXPECT_EQ(bench.peer.Count("ATT"), c.framesSent) << c.name;
        EXPECT_EQ(static_cast<int>(bench.ui.asked.size()), c.questions) << c.name;
        if (!c.silent) {
            EXPECT_EQ(bench.ui.asked.back(), texts::kFailedToConnect);
            EXPECT_EQ(bench.ui.Main(), texts::kSendAborted) << c.name;
            EXPECT_EQ(bench.state.lastAnswer, Answer::Cancel);
        }
    }
}

TEST(CommProtocol, EraseTakesNakAttentionDoesNot) {
    Bench bench;
    bench.Answer([](const std::string &) { return Nak(); });
    EXPECT_TRUE(bench.panel.SendCommand("ERA0", 10, true));
    EXPECT_EQ(bench.peer.Count("ERA0"), 1);
    EXPECT_FALSE(bench.panel.SendCommand("ATT", 3, true));
}

TEST(CommProtocol, ReplyReadDiscardsWhatCameBefore) {
    Bench bench;
    bench.Answer([](const std::string &) { return Ack(); });
    bench.port.Inject({kStx, kNak, 0, kEtx, 0x99});
    EXPECT_TRUE(bench.panel.SendCommand("ATT", 1, true));
}

TEST(CommProtocol, ReadsWaitOnlyTheirTimeouts) {
    MemoryPort port;
    uint8_t into[16];
    port.Open("COM1", FrontPanelLink);
    EXPECT_EQ(port.Read(into, 4), 0u);
    EXPECT_EQ(port.clockMs, 150);
    port.SetReadTimeoutConstant(kSlowReplyReadTotalMs);
    port.Read(into, 4);
    EXPECT_EQ(port.clockMs, 650);
    MemoryPort network;
    network.Open("COM2", NetworkLink);
    EXPECT_EQ(network.Read(into, 10), 0u);
    EXPECT_EQ(network.clockMs, 30); // 20 ms constant + 1 ms per byte requested
    network.Inject({1, 2, 3});
    EXPECT_EQ(network.Read(into, 3), 3u);
    EXPECT_EQ(network.clockMs, 30); // complete: no waiting
}

TEST(CommProtocol, IdentifyRealignsAStrayByte) {
    Bench bench;
    bench.Answer([](const std::string &text) {
        std::vector<uint8_t> reply{0x7F};
        const std::vector<uint8_t> framed = ScriptedPeer::Framed("\x06"
                                                                 "1221");
        reply.insert(reply.end(), framed.begin(), framed.end());
        return text == "I" ? reply : Nak();
    });
    int attempts = 0;
    EXPECT_EQ(bench.panel.Identify(kIdentifyReplyBytes, attempts), IdentifyVerdict::Ready);
    EXPECT_EQ(attempts, 1);
    EXPECT_EQ(bench.state.reply.At(2), '1');
}

TEST(CommProtocol, ConnectAsksBusyAtOnceAndCountsRetries) {
    struct Case {
        const char *name;
        bool busy;
        RetryCount count;
        std::initializer_list<Answer> answers;
        int frames;
        const char *question;
    };
    const Case cases[] = {
        {"busy asks after one frame",
         true,
         RetryCount::Fresh,
         {Answer::Cancel},
         1,
         texts::kBusyOrLocked},
        {"busy retried",
         true,
         RetryCount::Fresh,
         {Answer::Retry, Answer::Cancel},
         2,
         texts::kBusyOrLocked},
        {"silence, fresh count",
         false,
         RetryCount::Fresh,
         {Answer::Retry, Answer::Cancel},
         20,
         texts::kFailedToConnect},
        {"silence, count goes on",
         false,
         RetryCount::Continued,
         {Answer::Retry, Answer::Retry, Answer::Cancel},
         12,
         texts::kFailedToConnect},
    };
    for (const Case &c : cases) {
        Bench bench;
        const bool busy = c.busy;
        bench.Answer([busy](const std::string &) {
            return busy ? ScriptedPeer::Framed("\x15"
                                               "0010")
                        : std::vector<uint8_t>{};
        });
        bench.Script(c.answers);
        int rounds = 0;
        EXPECT_FALSE(bench.panel.Connect(kIdentifyReplyBytes, c.count, [&] {
            ++rounds;
            return true;
        })) << c.name;
        EXPECT_EQ(bench.peer.Count("I"), c.frames) << c.name;
        EXPECT_EQ(bench.ui.asked.back(), c.question) << c.name;
        EXPECT_EQ(rounds, static_cast<int>(c.answers.size())) << c.name;
    }
}

TEST(CommProtocol, WaitTaskDonePollsPausesAndAsks) {
    Bench bench;
    int polls = 0;
    bench.Answer([&](const std::string &) { return ++polls > 25 ? Ack() : Nak(); });
    bench.Script({Answer::Retry});
    EXPECT_TRUE(bench.panel.WaitTaskDone());
    EXPECT_EQ(polls, 26);
    ASSERT_EQ(bench.ui.asked.size(), 1u);
    EXPECT_EQ(bench.ui.asked[0], texts::kNoConnection);
    EXPECT_GE(bench.ui.eventRounds, 25);

    Bench cancelled;
    cancelled.Answer([](const std::string &) { return std::vector<uint8_t>{}; });
    EXPECT_FALSE(cancelled.panel.WaitTaskDone());
    EXPECT_EQ(cancelled.peer.Count("TSK"), 20);
    EXPECT_EQ(cancelled.ui.Main(), texts::kSendAborted);
    // Each failed poll costs its read time-out and a 50 ms pause, never more.
    EXPECT_EQ(cancelled.port.clockMs, 20 * (150 + 50));
}

TEST(CommProtocol, SendBlocksSkipsBlankBlocksAndNumbersTheRest) {
    Bench bench;
    bench.Answer([](const std::string &) { return Ack(); });
    std::vector<uint8_t> data(3 * 256, 0x11);
    std::fill(data.begin() + 256, data.begin() + 512, 0xFF);
    EXPECT_TRUE(bench.panel.SendBlocks(data.data(), 510, 3));
    const std::vector<std::string> expected{"WB1", "<block>", "PB1510", "TSK",
                                            "WB1", "<block>", "PB1512", "TSK"};
    EXPECT_EQ(bench.peer.texts, expected);
    EXPECT_EQ(bench.ui.gaugeLog, (std::vector<int>{33, 100, 0}));
    EXPECT_FALSE(bench.ui.gaugeVisible);

    Bench blank;
    std::vector<uint8_t> empty(2 * 256, 0xFF);
    EXPECT_TRUE(blank.panel.SendBlocks(empty.data(), 0, 2));
    EXPECT_TRUE(blank.peer.texts.empty());
}

TEST(CommProtocol, SendBlocksRefusedFramesAskNoConnection) {
    struct Case {
        std::initializer_list<Answer> answers;
        int refusals;
        bool result;
        int blockFrames;
    };
    const Case cases[] = {
        {{Answer::Retry}, 12, true, 13},
        {{Answer::Cancel}, 100, false, 10},
        {{Answer::Retry, Answer::Cancel}, 100, false, 20},
    };
    for (const Case &c : cases) {
        Bench bench;
        bench.Answer([](const std::string &) { return Ack(); });
        int frames = 0;
        const int refusals = c.refusals;
        bench.peer.blockAnswer = [&frames, refusals] {
            return ++frames > refusals ? Ack() : Nak();
        };
        bench.Script(c.answers);
        std::vector<uint8_t> data(256, 0x42);
        EXPECT_EQ(bench.panel.SendBlocks(data.data(), 0, 1), c.result);
        EXPECT_EQ(bench.peer.Count("<block>"), c.blockFrames);
        EXPECT_EQ(bench.peer.Count("WB1"), c.blockFrames); // every frame is announced anew
        EXPECT_EQ(bench.ui.asked.front(), texts::kNoConnection);
        const auto &log = bench.ui.statusLog;
        EXPECT_NE(std::find(log.begin(), log.end(), texts::kCommError), log.end());
        if (!c.result) {
            EXPECT_EQ(bench.ui.Main(), texts::kSendAborted);
            EXPECT_EQ(bench.peer.Count("PB1000"), 0);
        }
    }
}

TEST(CommProtocol, ParameterReadRetriesBadSums) {
    Bench bench;
    int reads = 0;
    bench.Answer([&](const std::string &) {
        std::vector<uint8_t> reply = ScriptedPeer::Framed("5A27");
        if (++reads <= 10)
            reply[5] ^= 1; // a wrong checksum byte
        return reply;
    });
    bench.Script({Answer::Retry});
    EXPECT_EQ(bench.panel.ReadParameter(20), 0x5A27);
    EXPECT_EQ(bench.peer.Count("ER14"), 11);
    EXPECT_EQ(bench.ui.asked, std::vector<std::string>{texts::kNoConnection});
    EXPECT_EQ(bench.ui.Main(), texts::kOptoError);

    Bench garbage; // digits that are not hex are never taken for a value
    garbage.Answer([](const std::string &) {
        std::vector<uint8_t> reply = ScriptedPeer::Framed("\x01\x01\x01\x01");
        return reply;
    });
    EXPECT_EQ(garbage.panel.ReadParameter(1), -1);
    EXPECT_EQ(garbage.ui.Main(), texts::kSendAborted);
}

TEST(CommProtocol, OpenFailureReportsPortName) {
    ScriptedUi ui;
    MemoryPort port;
    port.refusedNames = {"COM9"};
    FrontPanelState state;
    FrontPanel panel(port, ui, state);
    EXPECT_FALSE(panel.OpenPort("COM9", true));
    EXPECT_EQ(ui.Main(), "Cannot open COM9!");
    EXPECT_EQ(ui.asked, std::vector<std::string>{texts::kComPortError});
    EXPECT_EQ(state.lastAnswer, Answer::Ok);
    ScriptedUi quiet;
    FrontPanel silent(port, quiet, state);
    EXPECT_FALSE(silent.OpenPort("COM9", false));
    EXPECT_TRUE(quiet.asked.empty());
}
