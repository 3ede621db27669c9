#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "comm/BlockFrame.h"
#include "comm/CommandFrame.h"
#include "comm/FirmwareImage.h"
#include "comm/FrontPanelCodes.h"
#include "comm/FrontPanelExchange.h"
#include "comm/IdentifyReply.h"
#include "comm/VerifyReply.h"
#include "comm/VersionReply.h"

using namespace korvanta;

namespace {

ReplyBuffer BufferOf(const std::vector<uint8_t> &bytes) {
    ReplyBuffer reply;
    std::copy(bytes.begin(), bytes.end(), reply.bytes.begin());
    reply.received = bytes.size();
    return reply;
}

// A 44-byte version reply with the four texts, each padded with zero bytes.
std::vector<uint8_t> VersionFrame(const std::string &boot, const std::string &keyboard) {
    std::vector<uint8_t> bytes(kVersionReplyBytes, 0);
    bytes[0] = kStx;
    bytes[1] = kAck;
    std::memcpy(&bytes[2], boot.data(), boot.size());
    std::memcpy(&bytes[12], "1.10", 4);
    std::memcpy(&bytes[22], keyboard.data(), keyboard.size());
    std::memcpy(&bytes[32], "ABCDEFGHIJ", 10);
    bytes[42] = FrameChecksum(&bytes[1], 41);
    bytes[43] = kEtx;
    return bytes;
}

} // namespace

TEST(CommFrame, ChecksumsAndFrames) {
    struct Case {
        std::string text;
        std::vector<uint8_t> frame;
    };
    const Case cases[] = {
        {"I", {0x02, 0x49, 0xB7, 0x03}},
        {"TSK", {0x02, 0x54, 0x53, 0x4B, 0x2E, 0x03}},
        // Sum 0x100: the negated sum 0 is lifted to 32, never a control character.
        {"\x80\x80", {0x02, 0x80, 0x80, 0x20, 0x03}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CommandFrame(c.text), c.frame) << c.text;
    for (int sum = 0; sum < 256; ++sum) {
        const std::string one(1, static_cast<char>(sum));
        EXPECT_GE(FrameChecksum(one), 32) << sum;
    }
}

TEST(CommFrame, CommandVerdicts) {
    struct Case {
        std::string text;
        uint8_t verdict;
        bool accepted;
    };
    const Case cases[] = {
        {"ATT", kAck, true},  {"ATT", kNak, false},      {"ERA0", kNak, true},
        {"ERA3", kAck, true}, {"VER", 'v', true},        {"ATT", 'v', false},
        {"RBL005", 0, true},  {"EW010064", kNak, false}, {"TSK", 0x00, false},
    };
    for (const Case &c : cases) {
        ReplyBuffer reply = BufferOf({kStx, c.verdict, 0, kEtx});
        EXPECT_EQ(CommandAccepted(c.text, reply), c.accepted) << c.text << " " << int(c.verdict);
    }
    EXPECT_EQ(CommandReplyLength("VER"), 44u);
    EXPECT_EQ(CommandReplyLength("RBL012"), 289u);
    EXPECT_EQ(CommandReplyLength("NBB"), 4u);
}

TEST(CommFrame, VerifyReplyFindsChecksumBeforeFirstEtx) {
    const std::vector<uint8_t> good = VersionFrame("1.05", "K1.02");
    EXPECT_TRUE(VerifyReply(BufferOf(good)));

    std::vector<uint8_t> badSum = good;
    badSum[42] ^= 1;
    EXPECT_FALSE(VerifyReply(BufferOf(badSum)));

    std::vector<uint8_t> noStx = good;
    noStx[0] = 0;
    EXPECT_FALSE(VerifyReply(BufferOf(noStx)));

    // A short framed reply: STX, payload, checksum, ETX.
    EXPECT_TRUE(VerifyReply(BufferOf({kStx, 'A', 'B', FrameChecksum("AB"), kEtx})));
    // No ETX anywhere in 2..51: the byte at 50 is taken as the checksum of 1..49.
    std::vector<uint8_t> noEtx(60, 'x');
    noEtx[0] = kStx;
    noEtx[50] = FrameChecksum(&noEtx[1], 49);
    EXPECT_TRUE(VerifyReply(BufferOf(noEtx)));
}

TEST(CommFrame, VersionTextsAndNumbers) {
    const ReplyBuffer reply = BufferOf(VersionFrame("1.05", "K1.02"));
    const VersionTexts texts = ReadVersionTexts(reply);
    EXPECT_EQ(texts.boot, "1.05"); // zero padding is not part of the text
    EXPECT_EQ(texts.firmware, "1.10");
    EXPECT_EQ(texts.keyboard, "K1.02");
    EXPECT_EQ(texts.hardware, "ABCDEFGHIJ"); // ten characters, no terminator
    EXPECT_EQ(KeypadKindOf(texts), 'K');

    struct Case {
        std::string text;
        int number;
    };
    const Case cases[] = {{"1.04", 104}, {"2.10", 210}, {"0.00", 0}, {"9.99b", 999}, {"K1.02", 0},
                          {"1.x4", 0},   {"1.0", 0},    {"", 0},     {"A.BC", 0},    {"1-04", 104}};
    for (const Case &c : cases)
        EXPECT_EQ(VersionNumber(c.text), c.number) << c.text;
}

TEST(CommFrame, IdentifyReplyFields) {
    struct Case {
        std::vector<uint8_t> bytes;
        int type;
        int drains;
        bool coin;
    };
    const Case cases[] = {
        {{kStx, kAck, '1', '2', '2', '1', 0x30, kEtx}, 0x12, 0x12, false},
        {{kStx, kAck, '0', 'A', '1', '0', 'C', 0x30, kEtx}, 10, 0x01, true},
        // Only 8 of the 9 coin bytes arrived: not a complete coin reply.
        {{kStx, kAck, '0', 'A', '1', '0', 'C', 0x30}, 10, 0x01, false},
        {{kStx, kAck, 'G', '1', '1', 'z', 0x30, kEtx}, -1, -1, false},
    };
    for (const Case &c : cases) {
        const IdentifiedMachine machine = ReadIdentifyReply(BufferOf(c.bytes));
        EXPECT_EQ(machine.machineType, c.type);
        EXPECT_EQ(machine.drains, c.drains);
        EXPECT_EQ(machine.coin, c.coin);
    }
}

TEST(CommFrame, BlockFrameRowsAndColumnsSumToZero) {
    std::vector<uint8_t> data(256);
    for (int i = 0; i < 256; ++i)
        data[i] = static_cast<uint8_t>(i * 7 + 3);
    BlockFrameBytes frame = BuildBlockFrame(data.data());
    EXPECT_TRUE(BlockFrameIntact(frame.data()));
    std::vector<uint8_t> back(256);
    BlockFrameData(frame.data(), back.data());
    EXPECT_EQ(back, data);
    for (std::size_t at : {std::size_t{0}, std::size_t{16}, std::size_t{150}, std::size_t{288}}) {
        BlockFrameBytes altered = frame;
        altered[at] ^= 0x10;
        EXPECT_FALSE(BlockFrameIntact(altered.data())) << at;
    }
    std::vector<uint8_t> blank(256, 0xFF);
    EXPECT_TRUE(BlockIsBlank(blank.data()));
    blank[255] = 0xFE;
    EXPECT_FALSE(BlockIsBlank(blank.data()));
}

TEST(CommFrame, VectorCheckReadsBigEndianWords) {
    struct Case {
        std::vector<uint8_t> head;
        bool accepted;
    };
    const Case cases[] = {
        {{0x00, 0x22, 0x00, 0x00}, true},
        {{0x00, 0x22, 0xFF, 0xFF}, true},
        {{0x00, 0x23, 0x00, 0x00}, false}, // one above 0x22FFFF
        {{0x01, 0x00, 0x00, 0x00}, false}, // 0x01000000
        {{0xFF, 0xFF, 0xFF, 0xFF}, true},
        {{0x00, 0x21, 0xFF, 0xFF}, false},
        {{0x00}, true}, // the rest of a short file counts as 0
    };
    for (const Case &c : cases) {
        std::vector<uint8_t> file = c.head;
        EXPECT_EQ(VectorCheck(file), c.accepted);
        // The last of the 64 vectors is checked as well.
        std::vector<uint8_t> late(256, 0);
        std::copy(c.head.begin(), c.head.end(), late.begin() + 252);
        EXPECT_EQ(VectorCheck(late), c.accepted);
    }
}

TEST(CommFrame, FirmwareImageMarkerAndSum) {
    const std::vector<uint8_t> one{0x12};
    const std::vector<uint8_t> image = FirmwareImage(one);
    ASSERT_EQ(image.size(), kFirmwareImageBytes);
    EXPECT_EQ(image[0], 0x12);
    EXPECT_EQ(image[1], 0xFF);
    EXPECT_EQ(image[0x1E7FC], 0x55);
    EXPECT_EQ(image[0x1E7FD], 0xAA);
    // Word 0 is 0x12FF; the other 0xF3FD words are 0xFFFF each.
    const unsigned expected = (0x12FFu + 0xF3FDu * 0xFFFFu) % 65536u;
    EXPECT_EQ(image[0x1E7FE] << 8 | image[0x1E7FF], static_cast<int>(expected));

    // A file that reaches the marker has its own bytes there replaced.
    std::vector<uint8_t> full(kFirmwareImageBytes, 0x01);
    const std::vector<uint8_t> fullImage = FirmwareImage(full);
    EXPECT_EQ(fullImage[0x1E7FB], 0x01);
    EXPECT_EQ(fullImage[0x1E7FC], 0x55);
    EXPECT_EQ(fullImage[0x1E7FE] << 8 | fullImage[0x1E7FF], (0x0101 * 0xF3FE) % 65536);
}
