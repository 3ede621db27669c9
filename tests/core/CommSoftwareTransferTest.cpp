#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "comm/CommTexts.h"
#include "comm/FirmwareImage.h"
#include "comm/SoftwareTransfer.h"
#include "support/SimBench.h"

using namespace korvanta;
using namespace korvanta::testing;

namespace {

// Firmware of `size` bytes with valid vectors (zero) and a recognisable body.
std::vector<uint8_t> Firmware(std::size_t size) {
    std::vector<uint8_t> bytes(size, 0);
    for (std::size_t i = 256; i < size; ++i)
        bytes[i] = static_cast<uint8_t>(i * 13 + 1);
    return bytes;
}

sim::ControllerOptions Boot(const char *boot) {
    sim::ControllerOptions options;
    options.bootText = boot;
    return options;
}

std::vector<std::string> Programmed(const sim::Controller &machine) {
    std::vector<std::string> numbers;
    for (const std::string &text : machine.RequestLog())
        if (text.rfind("PB1", 0) == 0)
            numbers.push_back(text);
    return numbers;
}

} // namespace

TEST(CommSoftwareWrite, ImageReachesTheMachine) {
    struct Case {
        std::size_t size;
        const char *boot;
        const char *announce;
        std::vector<std::string> programmed;
    };
    const Case cases[] = {
        {1, "1.05", "WLB000", {"PB1999", "PB1512"}},
        {1, "1.03", "WLB00", {"PB1999", "PB1512"}},
        {600, "1.04", "WLB002", {"PB1999", "PB1512", "PB1513", "PB1514"}},
    };
    for (const Case &c : cases) {
        TempFolder folder;
        SimBench bench(Boot(c.boot));
        const std::vector<uint8_t> file = Firmware(c.size);
        EXPECT_TRUE(WriteSoftware(bench.panel, folder.Write("Kvt_1.bin", file))) << c.size;
        EXPECT_EQ(bench.Count(c.announce), 1) << c.size << " " << c.boot;
        EXPECT_EQ(Programmed(bench.machine), c.programmed);
        EXPECT_EQ(bench.machine.SoftwareImage(), FirmwareImage(file));
        EXPECT_TRUE(bench.machine.SoftwareImageIntact());
        EXPECT_EQ(bench.Count("ERA3"), 1);
        EXPECT_EQ(bench.Count("ERA2"), 1);
        EXPECT_EQ(bench.Count("STA"), 1);
        EXPECT_EQ(bench.ui.Main(), texts::kFirmwareDownloaded);
        EXPECT_EQ(bench.ui.Detail(), "");
    }
}

TEST(CommSoftwareWrite, FullImageSendsTheLastBlockTwice) {
    for (const char *boot : {"1.05", "1.02"}) {
        TempFolder folder;
        SimBench bench(Boot(boot));
        const std::vector<uint8_t> file = Firmware(kFirmwareImageBytes);
        EXPECT_TRUE(WriteSoftware(bench.panel, folder.Write("Kvt_full.bin", file)));
        EXPECT_EQ(bench.Count(std::string(boot) == "1.05" ? "WLB1E7" : "WLBFF"), 1);
        const std::vector<std::string> programmed = Programmed(bench.machine);
        EXPECT_EQ(programmed.front(), "PB1999");
        EXPECT_EQ(programmed.back(), "PB1999");
        EXPECT_EQ(programmed.size(), 489u);
        EXPECT_TRUE(bench.machine.SoftwareImageIntact());
    }
}

TEST(CommSoftwareWrite, UnansweredVersionCountsAsBoot103) {
    TempFolder folder;
    SimBench bench;
    // The machine ignores "VER" only.
    bench.port.SetPeer([&](const uint8_t *d, std::size_t n) {
        const std::string text(reinterpret_cast<const char *>(d) + 1, n >= 3 ? n - 3 : 0);
        return text == "VER" ? std::vector<uint8_t>{} : bench.machine.Receive(d, n);
    });
    const std::vector<uint8_t> file = Firmware(300 * 256);
    EXPECT_TRUE(WriteSoftware(bench.panel, folder.Write("Kvt_big.bin", file)));
    EXPECT_EQ(bench.state.bootVersion, 103);
    EXPECT_EQ(bench.Count("WLBFF"), 1); // 299 does not fit two digits
}

TEST(CommSoftwareWrite, FileChecks) {
    struct Case {
        const char *name;
        std::vector<uint8_t> bytes;
        bool create;
        const char *message;
        const char *mainPanel; // nullptr: the chosen path stays
    };
    std::vector<uint8_t> badVector = Firmware(1000);
    badVector[4] = 0x01; // second vector 0x01000000
    const Case cases[] = {
        {"missing", {}, false, texts::kFileNotFound, texts::kFileError},
        {"empty", {}, true, texts::kEmptyFile, texts::kFileError},
        {"over 128K", Firmware(131073), true, texts::kSoftwareTooBig, texts::kFileError},
        {"beyond the image", Firmware(kFirmwareImageBytes + 1), true, texts::kSoftwareExceedsImage,
         texts::kFileError},
        {"128K exactly", Firmware(131072), true, texts::kSoftwareExceedsImage, texts::kFileError},
        {"vectors", badVector, true, texts::kProgramFileError, nullptr},
    };
    for (const Case &c : cases) {
        TempFolder folder;
        SimBench bench;
        const std::string path =
            c.create ? folder.Write("Kvt_x.bin", c.bytes) : folder.File("Kvt_x.bin");
        EXPECT_FALSE(WriteSoftware(bench.panel, path)) << c.name;
        EXPECT_EQ(bench.ui.asked, std::vector<std::string>{c.message}) << c.name;
        EXPECT_EQ(bench.ui.Main(), c.mainPanel ? c.mainPanel : path) << c.name;
        EXPECT_TRUE(bench.port.sent.empty()) << c.name;
    }
}

TEST(CommSoftwareWrite, RetryKeepsCountingIdentifications) {
    TempFolder folder;
    SimBench bench;
    bench.port.SetPeer({});
    bench.ui.answers = {Answer::Retry, Answer::Retry, Answer::Cancel};
    EXPECT_FALSE(WriteSoftware(bench.panel, folder.Write("Kvt_1.bin", Firmware(10))));
    EXPECT_EQ(bench.port.sent.size(), 12u);
    EXPECT_EQ(bench.ui.Main(), texts::kError);
    EXPECT_TRUE(bench.ui.transfersEnabled);
}

TEST(CommSoftwareWrite, EraseThatNeverFinishesAsksNoConnection) {
    TempFolder folder;
    sim::ControllerOptions options;
    options.eraseBusyPolls = 1000;
    SimBench bench(options);
    EXPECT_FALSE(WriteSoftware(bench.panel, folder.Write("Kvt_1.bin", Firmware(10))));
    EXPECT_EQ(bench.ui.asked, std::vector<std::string>{texts::kNoConnection});
    EXPECT_EQ(bench.Count("TSK"), 20);
    EXPECT_EQ(bench.Count("ERA2"), 0);
    EXPECT_EQ(bench.Count("STA"), 0);
    EXPECT_EQ(bench.ui.Main(), texts::kError);
}
