// The simulated controller's front-panel side, driven byte by byte as the computer drives it.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "SimTestFrames.h"
#include "sim/Controller.h"

using korvanta::sim::Controller;
using korvanta::sim::ControllerOptions;
using Bytes = std::vector<uint8_t>;

namespace {

constexpr uint8_t STX = 0x02, ETX = 0x03, ACK = 0x06, NAK = 0x15;

using simtest::Check;
using simtest::Frame;

Bytes BlockFrame(const Bytes &data) {
    Bytes frame(289, 0);
    for (int r = 0; r < 16; ++r) {
        unsigned sum = 0;
        for (int c = 0; c < 16; ++c)
            sum += frame[r * 17 + c] = data[r * 16 + c];
        frame[r * 17 + 16] = static_cast<uint8_t>(256 - sum % 256);
    }
    for (int c = 0; c < 17; ++c) {
        unsigned sum = 0;
        for (int r = 0; r < 16; ++r)
            sum += frame[r * 17 + c];
        frame[16 * 17 + c] = static_cast<uint8_t>(256 - sum % 256);
    }
    return frame;
}

bool RowsSumToZero(const Bytes &frame) {
    if (frame.size() != 289)
        return false;
    for (int r = 0; r < 17; ++r)
        if (std::accumulate(frame.begin() + r * 17, frame.begin() + r * 17 + 17, 0u) % 256 != 0)
            return false;
    return true;
}

Bytes Pattern(uint8_t seed) {
    Bytes data(256);
    for (int i = 0; i < 256; ++i)
        data[i] = static_cast<uint8_t>(seed + i * 7);
    return data;
}

Bytes Ask(Controller &c, const std::string &text) {
    return c.Receive(Frame(text));
}

// Sends one block the way the computer does: announce, frame, program, poll.
void SendBlock(Controller &c, const Bytes &data, int number) {
    ASSERT_EQ(Ask(c, "WB1")[1], ACK);
    ASSERT_EQ(c.Receive(BlockFrame(data))[1], ACK);
    char text[16];
    std::snprintf(text, sizeof text, "PB1%03d", number);
    ASSERT_EQ(Ask(c, text)[1], ACK);
    ASSERT_EQ(Ask(c, "TSK")[1], ACK);
}

ControllerOptions Quiet() {
    ControllerOptions o;
    o.eraseBusyPolls = 0;
    return o;
}

} // namespace

TEST(SimFrontPanel, IdentificationCarriesTypeSwappedDrainsAndCoinLetter) {
    struct Case {
        uint8_t type, drains;
        bool coin;
        std::string digits;
    };
    for (const Case &t : {Case{18, 0x12, false, "1221"}, Case{0, 0x01, false, "0010"},
                          Case{27, 0xA5, true, "1B5A"}}) {
        ControllerOptions o;
        o.machineType = t.type;
        o.drains = t.drains;
        o.coin = t.coin;
        Controller c(o);
        Bytes reply = c.Receive(Bytes{0x02, 0x49, 0xB7, 0x03});
        ASSERT_EQ(reply.size(), t.coin ? 9u : 8u) << t.digits;
        EXPECT_EQ(reply[0], STX);
        EXPECT_EQ(reply[1], ACK);
        EXPECT_EQ(std::string(reply.begin() + 2, reply.begin() + 6), t.digits);
        if (t.coin) {
            EXPECT_EQ(reply[6], 'C');
        }
        EXPECT_EQ(reply[reply.size() - 2], Check(reply, 1, reply.size() - 2));
        EXPECT_EQ(reply.back(), ETX);
    }
}

TEST(SimFrontPanel, BusyAnswersNakToTheFirstIdentificationsOnly) {
    ControllerOptions o;
    o.busyIdentifications = 2;
    Controller c(o);
    EXPECT_EQ(Ask(c, "I")[1], NAK);
    EXPECT_EQ(Ask(c, "ATT")[1], ACK); // other requests are not refused
    EXPECT_EQ(Ask(c, "I")[1], NAK);
    EXPECT_EQ(Ask(c, "I")[1], ACK);
}

TEST(SimFrontPanel, VersionReplyHoldsFourZeroPaddedTextsAndAValidChecksum) {
    struct Case {
        bool coin;
        std::string keyboard, expectKeyboard;
    };
    for (const Case &t : {Case{false, "", "1.02"}, Case{true, "", "K1.02"},
                          Case{false, "K9.99 extra long", "K9.99 extr"}}) {
        ControllerOptions o;
        o.coin = t.coin;
        o.keyboardText = t.keyboard;
        o.bootText = "1.04";
        Controller c(o);
        Bytes r = Ask(c, "VER");
        ASSERT_EQ(r.size(), 44u);
        EXPECT_EQ(r[0], STX);
        EXPECT_EQ(r[1], ACK);
        EXPECT_EQ(r[42], Check(r, 1, 42));
        EXPECT_EQ(r[43], ETX);
        auto text = [&](int at) {
            std::string s(r.begin() + at, r.begin() + at + 10);
            return s.substr(0, s.find('\0'));
        };
        EXPECT_EQ(text(2), "1.04");
        EXPECT_EQ(text(12), "1.10");
        EXPECT_EQ(text(22), t.expectKeyboard);
        EXPECT_EQ(text(32), "1.00");
    }
}

TEST(SimFrontPanel, PlainCommandsGetFourByteVerdicts) {
    struct Case {
        std::string text;
        uint8_t verdict;
    };
    Controller c(Quiet());
    for (const Case &t : {Case{"ATT", ACK},      Case{"STA", ACK},
                          Case{"TSK", ACK},      Case{"ERA0", ACK},
                          Case{"ERA3", ACK},     Case{"ERA2", ACK},
                          Case{"ERA1", NAK},     Case{"ERA", NAK},
                          Case{"XYZ", NAK},      Case{"PB1000", NAK} /* no block */,
                          Case{"WLB1E7", ACK},   Case{"EW145A27", ACK},
                          Case{"EW0B0102", ACK}, Case{"EW200001", NAK},
                          Case{"EW000001", NAK}, Case{"EW14zz27", NAK},
                          Case{"EW145a27", NAK}, Case{"EW1", NAK},
                          Case{"RBL256", NAK},   Case{"RBL12", NAK}}) {
        Bytes r = Ask(c, t.text);
        ASSERT_EQ(r.size(), 4u) << t.text;
        EXPECT_EQ(r[1], t.verdict) << t.text;
    }
}

TEST(SimFrontPanel, GarbageAndDamagedFramesAreIgnoredWithoutAnswer) {
    Controller c(Quiet());
    Bytes badCheck = Frame("ATT");
    badCheck[4] ^= 1;
    Bytes notPrintable = Frame("A\x01T");
    Bytes overlong = Frame(std::string(80, 'A'));
    Bytes noText{STX, 0x20, ETX};
    for (const Bytes &junk : {Bytes{0x00, 0xFF, ETX, 'I', 0xB7}, badCheck, notPrintable, overlong,
                              noText, Bytes{STX, 'A', 'T'} /* cut short */})
        EXPECT_TRUE(c.Receive(junk).empty());
    // A new STX restarts the frame, so the request after the cut one is understood.
    EXPECT_EQ(Ask(c, "ATT"), (Bytes{STX, ACK, 0xFA, ETX}));
    EXPECT_TRUE(c.Receive(nullptr, 5).empty());
    EXPECT_EQ(c.RequestLog(), (std::vector<std::string>{"ATT"}));
}

TEST(SimFrontPanel, RequestsSplitOrJoinedAreAnsweredInOrder) {
    Controller c(Quiet());
    Bytes two = Frame("ATT");
    Bytes second = Frame("ERA7");
    two.insert(two.end(), second.begin(), second.end());
    Bytes replies;
    for (uint8_t b : two) {
        Bytes r = c.Receive(&b, 1);
        replies.insert(replies.end(), r.begin(), r.end());
    }
    EXPECT_EQ(replies, (Bytes{STX, ACK, 0xFA, ETX, STX, NAK, 0xEB, ETX}));
}

TEST(SimFrontPanel, CycleDownloadStoresBlocksAndReadsThemBack) {
    Controller c(ControllerOptions{}); // one busy poll after the erase
    EXPECT_EQ(Ask(c, "ATT")[1], ACK);
    EXPECT_EQ(Ask(c, "ERA0")[1], ACK);
    EXPECT_EQ(Ask(c, "TSK")[1], NAK);
    EXPECT_EQ(Ask(c, "TSK")[1], ACK);
    EXPECT_EQ(Ask(c, "WLB02")[1], ACK);
    // Block 1 is all 0xFF and so never sent; the announced last block still counts it.
    SendBlock(c, Pattern(1), 0);
    Bytes tail(256, 0xFF);
    tail[0] = 0xFE;
    SendBlock(c, tail, 2);
    EXPECT_EQ(Ask(c, "STA")[1], ACK);

    ASSERT_EQ(c.StoredCycleBlocks(), 3);
    Bytes expected = Pattern(1);
    expected.resize(512, 0xFF);
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(c.CycleMemory(), expected);

    EXPECT_EQ(Ask(c, "NBB"), (Bytes{STX, ACK, 0x00, 0x03}));
    for (int k = 0; k < 3; ++k) {
        char text[8];
        std::snprintf(text, sizeof text, "RBL%03d", k);
        Bytes r = Ask(c, text);
        EXPECT_TRUE(RowsSumToZero(r)) << k;
        EXPECT_EQ(r,
                  BlockFrame(Bytes(expected.begin() + k * 256, expected.begin() + k * 256 + 256)));
    }
}

TEST(SimFrontPanel, ErasedMachineReportsNoBlocksAndRefusesAnUnannouncedDownload) {
    Controller c(Quiet());
    c.SetCycleMemory(Pattern(3));
    EXPECT_EQ(Ask(c, "NBB")[3], 1);
    EXPECT_EQ(Ask(c, "WLB00")[1], NAK); // nothing erased yet
    Ask(c, "ERA0");
    EXPECT_EQ(Ask(c, "NBB"), (Bytes{STX, ACK, 0, 0}));
    EXPECT_EQ(Ask(c, "WLB100")[1], NAK); // cycles end at block 255
    EXPECT_EQ(Ask(c, "WLBFF")[1], ACK);
    EXPECT_EQ(Ask(c, "NBB"), (Bytes{STX, ACK, 0x01, 0x00}));
}

TEST(SimFrontPanel, DamagedBlockFrameIsRefusedAndNotProgrammed) {
    for (std::size_t at : {std::size_t{0}, std::size_t{16}, std::size_t{150}, std::size_t{288}}) {
        Controller c(Quiet());
        Ask(c, "ERA0");
        Ask(c, "WLB00");
        Ask(c, "WB1");
        Bytes frame = BlockFrame(Pattern(5));
        frame[at] ^= 0x40;
        EXPECT_EQ(c.Receive(frame)[1], NAK) << at;
        EXPECT_EQ(Ask(c, "PB1000")[1], NAK) << at;
        EXPECT_EQ(c.CycleMemory(), Bytes(256, 0xFF));
    }
}

TEST(SimFrontPanel, QuietLineAbandonsAHalfReceivedBlock) {
    Controller c(Quiet());
    Ask(c, "ERA0");
    Ask(c, "WLB00");
    Ask(c, "WB1"); // its acknowledgement was lost: the computer announces again after a pause
    c.LineIdle();
    SendBlock(c, Pattern(9), 0);
    Bytes frame = BlockFrame(Pattern(9));
    Ask(c, "WB1");
    c.Receive(frame.data(), 100);
    c.LineIdle();
    EXPECT_EQ(Ask(c, "ATT")[1], ACK);
    EXPECT_EQ(c.CycleMemory(), Pattern(9));
}

TEST(SimFrontPanel, RepeatedProgramCommandWritesTheSameBlockAgain) {
    Controller c(Quiet());
    Ask(c, "ERA0");
    Ask(c, "WLB00");
    SendBlock(c, Pattern(4), 0);
    EXPECT_EQ(Ask(c, "PB1000")[1], ACK);
    EXPECT_EQ(c.CycleMemory(), Pattern(4));
}

TEST(SimFrontPanel, SoftwareDownloadFillsTheImageAndItsCheck) {
    Controller c(Quiet());
    Bytes image(124928, 0xFF);
    for (int i = 0; i < 300; ++i)
        image[i] = static_cast<uint8_t>(i * 13);
    image[0x1E7FC] = 0x55;
    image[0x1E7FD] = 0xAA;
    unsigned sum = 0;
    for (std::size_t i = 0; i < 0x1E7FC; i += 2)
        sum += image[i] << 8 | image[i + 1];
    image[0x1E7FE] = static_cast<uint8_t>(sum >> 8 & 0xFF);
    image[0x1E7FF] = static_cast<uint8_t>(sum & 0xFF);

    c.SetSoftwareImage(Bytes(124928, 0x11));
    EXPECT_FALSE(c.SoftwareImageIntact());
    for (const char *t : {"ATT", "ERA3", "TSK", "ERA2", "TSK", "WLB001"})
        ASSERT_EQ(Ask(c, t)[1], ACK) << t;
    SendBlock(c, Bytes(image.end() - 256, image.end()), 999);
    SendBlock(c, Bytes(image.begin(), image.begin() + 256), 512);
    SendBlock(c, Bytes(image.begin() + 256, image.begin() + 512), 513);
    EXPECT_EQ(c.SoftwareImage(), image);
    EXPECT_TRUE(c.SoftwareImageIntact());
    EXPECT_EQ(c.StoredCycleBlocks(), 0); // cycle memory untouched
    EXPECT_EQ(Ask(c, "PB1511")[1], NAK);
    EXPECT_EQ(Ask(c, "PB11000")[1], NAK);
}

TEST(SimFrontPanel, ParametersAreWrittenAndReadAsFourHexDigits) {
    Controller c(Quiet());
    EXPECT_EQ(Ask(c, "EW145A27")[1], ACK);
    EXPECT_EQ(Ask(c, "EW01FFFF")[1], ACK);
    EXPECT_EQ(c.Parameter(20), 0x5A27);
    EXPECT_EQ(c.Parameter(1), 0xFFFF);
    struct Case {
        std::string request, digits;
    };
    for (const Case &t : {Case{"ER14", "5A27"}, Case{"ER01", "FFFF"}, Case{"ER0B", "0000"}}) {
        Bytes r = Ask(c, t.request);
        ASSERT_EQ(r.size(), 7u);
        EXPECT_EQ(std::string(r.begin() + 1, r.begin() + 5), t.digits);
        unsigned sum = std::accumulate(r.begin() + 1, r.begin() + 6, 0u) % 256;
        EXPECT_TRUE(sum == 0 || sum == 32) << t.request;
        EXPECT_EQ(r[6], ETX);
    }
    EXPECT_EQ(Ask(c, "ER15").size(), 4u); // parameter 21 does not exist
}
