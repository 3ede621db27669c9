// The simulated machines on the RS-485 line.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "sim/Controller.h"

using korvanta::sim::Controller;
using korvanta::sim::ControllerOptions;
using Bytes = std::vector<uint8_t>;

namespace {

std::string Hex2(unsigned v) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", v & 0xFF);
    return text;
}

std::string Request(int address, const std::string &command) {
    std::string body = Hex2(static_cast<unsigned>(address)) + command;
    unsigned sum = 0;
    for (char c : body)
        sum += static_cast<uint8_t>(c);
    return ";" + body + Hex2(sum) + "\r" + std::string(1, '\0');
}

std::string Ask(Controller &c, int address, const std::string &command) {
    std::string frame = Request(address, command);
    Bytes reply = c.Receive(reinterpret_cast<const uint8_t *>(frame.data()), frame.size());
    return {reply.begin(), reply.end()};
}

// The reply text between the address and the checksum, after checking the frame.
std::string Text(const std::string &reply, int address) {
    if (reply.size() < 6 || reply[0] != ';' || reply.back() != '\r')
        return "<malformed>";
    std::string body = reply.substr(1, reply.size() - 4);
    unsigned sum = 0;
    for (char c : body)
        sum += static_cast<uint8_t>(c);
    if (reply.substr(reply.size() - 3, 2) != Hex2(sum) || body.substr(0, 2) != Hex2(address))
        return "<bad check>";
    return body.substr(2);
}

std::string BlockCommand(int number, const Bytes &data, std::size_t from) {
    char head[8];
    std::snprintf(head, sizeof head, "BW%04X", number);
    std::string command = head;
    for (std::size_t i = 0; i < 64; ++i)
        command += Hex2(data[from + i]);
    return command;
}

ControllerOptions Line(std::vector<int> addresses) {
    ControllerOptions o;
    o.machineType = 18;
    o.drains = 0x12;
    o.networkAddresses = std::move(addresses);
    return o;
}

} // namespace

TEST(SimNetwork, OnlyTheAddressedMachineAnswersAValidFrame) {
    Controller c(Line({0, 2}));
    EXPECT_EQ(Request(0, "I"), std::string(";00IA9\r") + '\0');
    EXPECT_EQ(Text(Ask(c, 0, "I"), 0), "1221N");
    EXPECT_EQ(Text(Ask(c, 2, "A"), 2), "ak");
    EXPECT_EQ(Ask(c, 1, "I"), "") << "no machine at 1";
    EXPECT_EQ(Ask(c, 0xFF, "I"), "") << "broadcasts are never answered";
    std::string damaged = Request(0, "I");
    damaged[4] = 'B';
    EXPECT_TRUE(
        c.Receive(reinterpret_cast<const uint8_t *>(damaged.data()), damaged.size()).empty());
    // Front-panel frames mean nothing on this line.
    EXPECT_TRUE(c.Receive(Bytes{0x02, 0x49, 0xB7, 0x03}).empty());
}

TEST(SimNetwork, CyclesWriteToTwoMachinesIsCommittedIntoEach) {
    Controller c(Line({1, 3}));
    Bytes file(100);
    for (std::size_t i = 0; i < file.size(); ++i)
        file[i] = static_cast<uint8_t>(i * 3 + 1);
    Bytes sent = file;
    sent.resize(128, file.back()); // the last block repeats the file's last byte
    for (int m : {1, 3}) {
        ASSERT_EQ(Text(Ask(c, m, "A"), m), "ak");
        ASSERT_EQ(Text(Ask(c, m, "BL0001"), m), "Ok");
    }
    for (int block = 0; block <= 1; ++block) {
        EXPECT_EQ(Ask(c, 0xFF, BlockCommand(block, sent, block * 64)), "");
        for (int m : {1, 3})
            EXPECT_EQ(Text(Ask(c, m, "R"), m), block == 0 ? "0000" : "0001");
    }
    for (int m : {1, 3}) {
        EXPECT_EQ(Text(Ask(c, m, "BF0001"), m), "0001");
        EXPECT_EQ(Text(Ask(c, m, "GO"), m), "go");
        Bytes stored = sent;
        stored.resize(256, 0xFF);
        EXPECT_EQ(c.NetworkCycleMemory(m), stored) << m;
    }
    EXPECT_TRUE(c.NetworkCycleMemory(2).empty());
}

TEST(SimNetwork, MissingOrDamagedBlocksAreReportedAsFFFF) {
    Controller c(Line({0}));
    Bytes data(192, 0x33);
    Ask(c, 0, "A");
    Ask(c, 0, "BL0002");
    EXPECT_EQ(Text(Ask(c, 0, "R"), 0), "FFFF") << "nothing received yet";
    Ask(c, 0xFF, BlockCommand(0, data, 0));
    std::string torn = BlockCommand(1, data, 64);
    torn[20] = 'x';
    Ask(c, 0xFF, torn);
    EXPECT_EQ(Text(Ask(c, 0, "R"), 0), "FFFF");
    Ask(c, 0xFF, BlockCommand(2, data, 128));
    EXPECT_EQ(Text(Ask(c, 0, "BF0002"), 0), "FFFF") << "block 1 is missing";
    EXPECT_TRUE(c.NetworkCycleMemory(0).empty());
    Ask(c, 0xFF, BlockCommand(1, data, 64));
    EXPECT_EQ(Text(Ask(c, 0, "BF0002"), 0), "0002");
    EXPECT_EQ(c.NetworkCycleMemory(0).size(), 256u);
}

TEST(SimNetwork, BlocksOutsideAnOpenTransferAreIgnored) {
    Controller c(Line({0}));
    Bytes data(64, 0x44);
    Ask(c, 0xFF, BlockCommand(0, data, 0));
    EXPECT_EQ(Text(Ask(c, 0, "BL0000"), 0), "?");
    EXPECT_EQ(Text(Ask(c, 0, "BF0000"), 0), "FFFF");
}

TEST(SimNetwork, SoftwareBlocksFrom2048FillTheImage) {
    Controller c(Line({4}));
    Bytes data(128);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(255 - i);
    Ask(c, 4, "A");
    Ask(c, 4, "BL0001");
    Ask(c, 0xFF, BlockCommand(2048, data, 0));
    Ask(c, 0xFF, BlockCommand(2049, data, 64));
    EXPECT_EQ(Text(Ask(c, 4, "BF0801"), 4), "0801");
    Bytes image = c.NetworkSoftwareImage(4);
    ASSERT_EQ(image.size(), 124928u);
    EXPECT_EQ(Bytes(image.begin(), image.begin() + 128), data);
    EXPECT_EQ(image[128], 0xFF);
    EXPECT_TRUE(c.NetworkCycleMemory(4).empty());
}

TEST(SimNetwork, RandomNoiseOnEitherLineLeavesTheControllerAnswering) {
    for (bool network : {false, true}) {
        ControllerOptions o = Line(network ? std::vector<int>{0} : std::vector<int>{});
        Controller c(o);
        uint32_t state = 12345;
        auto next = [&state] { return state = state * 1103515245u + 12345u; };
        for (int round = 0; round < 2000; ++round) {
            Bytes noise(next() % 300);
            for (uint8_t &b : noise) {
                uint32_t r = next() >> 16;
                // Plenty of frame characters, so half-frames and odd block frames happen too.
                b = static_cast<uint8_t>(r % 5 == 0 ? (r % 2 ? 0x02 : ';') : r % 7 == 0 ? 0x03 : r);
            }
            c.Receive(noise);
            if (round % 10 == 0)
                c.LineIdle();
        }
        c.LineIdle();
        if (network) {
            EXPECT_EQ(Text(Ask(c, 0, "A"), 0), "ak");
        } else {
            Bytes att{0x02, 'A', 'T', 'T', 0x37, 0x03};
            EXPECT_EQ(c.Receive(att), (Bytes{0x02, 0x06, 0xFA, 0x03}));
        }
    }
}
