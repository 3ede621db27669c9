#include <gtest/gtest.h>

#include <vector>

#include "prices/PricesFile.h"
#include "support/SimBench.h"

using namespace korvanta;
using namespace korvanta::testing;

TEST(PricesFile, DefaultsEncodeAsTheDialogSaves) {
    std::vector<uint8_t> expected{'K', 'V', 'T', '-', 'P', 'R', 'I',
                                  'C', 'E', 'S', '1', '0', '0', 0x16};
    for (int i = 0; i < 8; ++i) {
        expected.push_back(0x00);
        expected.push_back(0x64);
    }
    for (uint8_t b : {0x00, 0x19, 0x00, 0x64, 0x00, 0x02})
        expected.push_back(b);
    EXPECT_EQ(EncodePricesFile(DefaultPriceWords()), expected);
    EXPECT_EQ(expected.size(), kPricesFileBytes);
}

TEST(PricesFile, LoadRoundTripsAndRefusesDamage) {
    TempFolder folder;
    PriceWords words = DefaultPriceWords();
    words[3] = 9999;
    words[kDecimalPointWord] = 7;
    ASSERT_EQ(SavePricesFile(folder.File("a.other"), words), "");
    const PricesLoad load = LoadPricesFile(folder.File("a.other"));
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(load.words, words);
    EXPECT_EQ(DecimalPointOf(load.words[kDecimalPointWord]), 3);

    const std::vector<uint8_t> good = EncodePricesFile(words);
    std::vector<uint8_t> badLength = good;
    badLength[13] = 20;
    std::vector<uint8_t> badSignature = good;
    badSignature[12] = '1';
    struct Case {
        const char *name;
        std::vector<uint8_t> bytes;
        const char *message;
    };
    const char *corrupted =
        "Invalid file format:\nConfiguration corrupted!\n\nFile could not be loaded!";
    const char *signature = "Invalid file format:\nSignature failure!\n\nFile could not be loaded!";
    const Case cases[] = {
        {"length byte", badLength, corrupted},
        {"signature", badSignature, signature},
        {"ends after the length byte", std::vector<uint8_t>(good.begin(), good.begin() + 14),
         corrupted},
        {"ends inside word 11", std::vector<uint8_t>(good.begin(), good.begin() + 35), corrupted},
        {"empty", {}, signature},
    };
    for (const Case &c : cases) {
        const PricesLoad refused = LoadPricesFile(folder.Write("b.kvtprices", c.bytes));
        EXPECT_FALSE(refused.ok) << c.name;
        EXPECT_EQ(refused.message, c.message) << c.name;
    }
    EXPECT_EQ(LoadPricesFile(folder.File("none")).message, "Unable to open " + folder.File("none"));
    EXPECT_EQ(SavePricesFile(folder.File("no/such/dir"), words),
              "Unable to save " + folder.File("no/such/dir"));
}

TEST(PricesFile, DecimalPointFromLowByte) {
    struct Case {
        uint16_t word;
        int point;
    };
    for (const Case &c :
         {Case{0, 0}, Case{1, 1}, Case{2, 2}, Case{3, 3}, Case{7, 3}, Case{0x0102, 2}})
        EXPECT_EQ(DecimalPointOf(c.word), c.point) << c.word;
}
