#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "config/MachineTypeTable.h"
#include "files/Opensavewashdata.h"
#include "model/WashDataSize.h"

#include "WashDataFileMessages.h"
#include "WashDataFileSamples.h"

using namespace korvanta;

namespace {

using messages::kFormatFailure;
using messages::kSignatureFailure;
using messages::kUnknownMachine;
using samples::Step;

SaveContext FixedContext(std::optional<std::string> user = std::string("tester")) {
    return SaveContext{LocalDateTime{2025, 12, 8, 11, 55}, SaverNames{user, "HOST"}};
}

FileImage Signature() {
    return FileImage(kWashDataSignature, kWashDataSignature + 15);
}

// A header of the given layout; the configuration bytes count up from 3 after MachineType.
FileImage Header(uint8_t formatByte, int configBytes, bool stampAndName, uint8_t machineType) {
    FileImage image = Signature();
    image.push_back(formatByte);
    image.push_back(machineType);
    for (int i = 1; i < configBytes; ++i)
        image.push_back(static_cast<uint8_t>(i + 2));
    if (stampAndName) {
        const std::string stamp = "0102031405";
        image.insert(image.end(), stamp.begin(), stamp.end());
        const std::string name = "ann";
        image.insert(image.end(), name.begin(), name.end());
        image.insert(image.end(), 20 - name.size(), 0);
    }
    return image;
}

void Append(FileImage &image, std::initializer_list<int> bytes) {
    for (int b : bytes)
        image.push_back(static_cast<uint8_t>(b));
}

MachineConfig Prefilled() {
    MachineConfig config;
    config.SetBytes({7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7});
    config.saveStamp = "previous";
    config.savedBy = "someone";
    return config;
}

} // namespace

TEST(WashDataFileWriter, EmptyDataIsHeaderAndDataEnd) {
    WashData data;
    MachineConfig config;
    const FileImage image = WriteWashData(data, config, FixedContext());
    ASSERT_EQ(image.size(), 61u);
    EXPECT_EQ(std::string(image.begin(), image.begin() + 15), "KORVANTA-DAT100");
    EXPECT_EQ(image[15], 44);
    const ConfigBytes bytes = config.Bytes();
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), image.begin() + 16));
    EXPECT_EQ(std::string(image.begin() + 30, image.begin() + 40), "0812251155");
    EXPECT_EQ(std::string(image.begin() + 40, image.begin() + 60), "tester              ");
    EXPECT_EQ(image[60], 255);
    EXPECT_EQ(config.saveStamp, "0812251155");
    EXPECT_EQ(config.savedBy, "tester              ");
}

TEST(WashDataFileWriter, RecordEncodingRules) {
    // Long names are cut to 17 bytes, values keep their low 8 bits, Spin Code1 is stored / 5,
    // unknown types are left out and nothing after the first DataEnd is written.
    WashRecord unknown;
    unknown.type = static_cast<RecordType>(77);
    WashData data({WashRecord::MakeCycleStart(300, "A name of twenty chars"),
                   Step(RecordType::Spin, {802, 2, 3}), Step(RecordType::Supply, {256, 257, 1, 2}),
                   unknown, WashRecord::MakeCycleEnd(), WashRecord::MakeDataEnd(),
                   Step(RecordType::Drain, {1, 2, 3})});
    MachineConfig config;
    const FileImage image = WriteWashData(data, config, FixedContext());
    const FileImage records(image.begin() + 60, image.end());
    FileImage expected = {0, 300 & 0xFF};
    const std::string name = "A name of twenty ";
    expected.insert(expected.end(), name.begin(), name.end());
    Append(expected, {5, 160, 2, 3, 3, 0, 1, 1, 2, 254, 255});
    EXPECT_EQ(records, expected);
}

TEST(WashDataFileWriter, FillCode1FollowsMachineType) {
    struct Case {
        int machineType;
        int code1;
        int expected;
    };
    const int compartment = kFirstCompartmentType;
    ASSERT_TRUE(IsCompartmentMachine(compartment));
    ASSERT_FALSE(IsCompartmentMachine(0));
    const Case cases[] = {
        {compartment, 0x01, 0x11}, {compartment, 0x10, 0x10}, {compartment, 0x80, 0x80},
        {compartment, 0x93, 0x93}, {0, 0x93, 0x03},           {0, 0x10, 0x00},
        {0, 0x05, 0x05},
    };
    for (const Case &c : cases) {
        WashData data({WashRecord::MakeCycleStart(1, "x"),
                       Step(RecordType::Fill, {c.code1, 1, 2, 3, 4}), WashRecord::MakeCycleEnd(),
                       WashRecord::MakeDataEnd()});
        MachineConfig config;
        config.machineType = static_cast<uint8_t>(c.machineType);
        const FileImage image = WriteWashData(data, config, FixedContext());
        EXPECT_EQ(image[60 + 19 + 1], c.expected) << c.machineType << " " << c.code1;
        EXPECT_EQ(data.At(1).Code(1), c.expected) << "the record itself is corrected";
    }
}

TEST(WashDataFileWriter, SavedByRules) {
    struct Case {
        std::string previous;
        std::optional<std::string> user;
        std::optional<std::string> computer;
        std::string expected;
    };
    const Case cases[] = {
        {"old", std::string("alice"), std::string("PC"), "alice"},
        {"old", std::string(""), std::string("PC"), "PC"},
        {"old", std::nullopt, std::string("PC"), "old"},
        {"", std::nullopt, std::string("PC"), "PC"},
        {"", std::string(""), std::nullopt, ""},
        {"", std::string("abcdefghijklmnopqrstuvwxy"), std::nullopt, "abcdefghijklmnopqrst"},
    };
    for (const Case &c : cases) {
        std::string expected = c.expected;
        expected.resize(20, ' ');
        EXPECT_EQ(ResolveSavedBy(c.previous, SaverNames{c.user, c.computer}), expected);
    }
    EXPECT_EQ(SaveStampText(LocalDateTime{2025, 12, 8, 11, 55}), "0812251155");
    EXPECT_EQ(SaveStampText(LocalDateTime{2100, 1, 31, 0, 0}), "3101000000");
}

TEST(WashDataFileReader, FormatBytesAndDefaults) {
    struct Case {
        uint8_t formatByte;
        int configBytes;
        bool stampAndName;
        int level;
    };
    const Case cases[] = {
        {10, 10, false, 100}, {11, 11, false, 105}, {40, 10, true, 100},
        {41, 11, true, 105},  {44, 14, true, 119},
    };
    for (const Case &c : cases) {
        FileImage image = Header(c.formatByte, c.configBytes, c.stampAndName, 5);
        Append(image, {0, 9, 'N', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 254, 255});
        WashData data;
        MachineConfig config = Prefilled();
        const LoadResult result = ReadWashData(image, data, config);
        ASSERT_TRUE(result.ok) << int(c.formatByte);
        EXPECT_EQ(result.formatByte, c.formatByte);
        EXPECT_EQ(FormatLevel(c.formatByte), c.level);
        ConfigBytes expected = {5, 3, 4, 5 & ~2, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
        const ConfigBytes defaults = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 17, 40, 150};
        for (int i = c.configBytes; i < 14; ++i)
            expected[i] = defaults[i];
        EXPECT_EQ(config.Bytes(), expected) << int(c.formatByte);
        EXPECT_EQ(config.saveStamp, c.stampAndName ? "0102031405" : "previous");
        EXPECT_EQ(config.savedBy, c.stampAndName ? "ann" : "someone");
        ASSERT_EQ(data.Size(), 3u);
        EXPECT_EQ(data.At(0).Code(1), 9);
        EXPECT_EQ(data.At(0).name, "N");
    }
}

TEST(WashDataFileReader, RejectionsLeaveEmptyData) {
    struct Case {
        const char *label;
        FileImage image;
        const char *message;
        uint8_t machineTypeAfter;
    };
    FileImage badSignature = Header(44, 14, true, 1);
    badSignature[8] = '_';
    FileImage zeroInSignature = Header(44, 14, true, 1);
    zeroInSignature[3] = 0;
    const Case cases[] = {
        {"empty file", {}, kSignatureFailure, 7},
        {"short signature", FileImage(kWashDataSignature, kWashDataSignature + 8),
         kSignatureFailure, 7},
        {"changed signature", badSignature, kSignatureFailure, 7},
        {"zero in signature", zeroInSignature, kSignatureFailure, 7},
        {"format 0", Header(0, 14, true, 1), kFormatFailure, 7},
        {"format 45", Header(45, 14, true, 1), kFormatFailure, 7},
        {"format 12", Header(12, 14, true, 1), kFormatFailure, 7},
        {"machine 28", Header(44, 14, true, 28), kUnknownMachine, 7},
        {"machine 255", Header(10, 10, false, 255), kUnknownMachine, 7},
    };
    for (const Case &c : cases) {
        FileImage image = c.image;
        Append(image, {0, 1, 'x', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 254, 255});
        WashData data({WashRecord::MakeCycleStart(4, "old"), WashRecord::MakeCycleEnd(),
                       WashRecord::MakeDataEnd()});
        MachineConfig config = Prefilled();
        const LoadResult result = ReadWashData(image, data, config);
        EXPECT_FALSE(result.ok) << c.label;
        EXPECT_TRUE(result.rejected) << c.label;
        ASSERT_TRUE(result.message) << c.label;
        EXPECT_EQ(result.message->text, c.message) << c.label;
        EXPECT_EQ(result.message->icon, MessageIcon::Error);
        EXPECT_TRUE(data.SameContent(WashData())) << c.label;
        EXPECT_EQ(config.Bytes(), Prefilled().Bytes()) << c.label;
        EXPECT_EQ(config.saveStamp, "previous") << c.label;
    }
}

TEST(WashDataFileReader, HeaderCutShortKeepsWhatIsMissing) {
    const FileImage full = Header(44, 14, true, 5);
    struct Case {
        std::size_t length;
        int configBytesRead; // from MachineType on
        bool stampRead;
        bool nameRead;
    };
    const Case cases[] = {{15, 0, false, false}, {16, 0, false, false},  {17, 1, false, false},
                          {22, 6, false, false}, {30, 14, false, false}, {39, 14, false, false},
                          {40, 14, true, false}, {59, 14, true, false},  {60, 14, true, true}};
    for (const Case &c : cases) {
        const FileImage image(full.begin(), full.begin() + static_cast<long>(c.length));
        WashData data({WashRecord::MakeCycleStart(4, "old"), WashRecord::MakeCycleEnd(),
                       WashRecord::MakeDataEnd()});
        MachineConfig config = Prefilled();
        const LoadResult result = ReadWashData(image, data, config);
        EXPECT_TRUE(result.ok) << c.length;
        EXPECT_TRUE(data.SameContent(WashData())) << c.length;
        const ConfigBytes fromFile = {5, 3, 4, 5 & ~2, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
        ConfigBytes expected = Prefilled().Bytes();
        for (int i = 0; i < c.configBytesRead; ++i)
            expected[i] = fromFile[i];
        if (c.length > 15) // the header was read on from its format byte
            expected[3] &= static_cast<uint8_t>(~2);
        EXPECT_EQ(config.Bytes(), expected) << c.length;
        EXPECT_EQ(config.saveStamp, c.stampRead ? "0102031405" : "previous") << c.length;
        EXPECT_EQ(config.savedBy, c.nameRead ? "ann" : "someone") << c.length;
    }
}

TEST(WashDataFileReader, OlderHeaderCutAfterFormatByteGetsItsDefaults) {
    // The file ends before the machine type: the previous type stays and the header is read on
    // as any header cut short, so the bytes the layout lacks still get their defaults.
    const struct {
        uint8_t formatByte;
        int configBytes;
    } cases[] = {{10, 10}, {11, 11}, {40, 10}, {41, 11}, {44, 14}};
    const ConfigBytes defaults = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 17, 40, 150};
    for (const auto &c : cases) {
        FileImage image = Signature();
        image.push_back(c.formatByte);
        WashData data;
        MachineConfig config = Prefilled();
        ASSERT_TRUE(ReadWashData(image, data, config).ok) << int(c.formatByte);
        ConfigBytes expected = Prefilled().Bytes();
        expected[3] &= static_cast<uint8_t>(~2);
        for (int i = c.configBytes; i < 14; ++i)
            expected[i] = defaults[i];
        EXPECT_EQ(config.Bytes(), expected) << int(c.formatByte);
        EXPECT_EQ(config.saveStamp, "previous") << int(c.formatByte);
        EXPECT_TRUE(data.SameContent(WashData())) << int(c.formatByte);
    }
}

TEST(WashDataFileReader, RecordsCutShortAreDropped) {
    // Each step type with one byte missing at the end of the file.
    const int payload[] = {0, 5, 7, 4, 3, 3, 3, 3, 3};
    for (int type = 0; type <= 8; ++type) {
        const int size = type == 0 ? 18 : payload[type];
        for (int present = 0; present < size; ++present) {
            FileImage image = Header(44, 14, true, 1);
            Append(image, {0, 1, 'a', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
            image.push_back(static_cast<uint8_t>(type));
            image.insert(image.end(), static_cast<std::size_t>(present), 1);
            WashData data;
            MachineConfig config;
            ASSERT_TRUE(ReadWashData(image, data, config).ok);
            ASSERT_EQ(data.Size(), 2u) << type << " " << present;
            EXPECT_EQ(data.At(0).type, RecordType::CycleStart);
            EXPECT_EQ(data.At(1).type, RecordType::DataEnd);
        }
    }
}

TEST(WashDataFileReader, UnknownTypesAreSkippedByteByByte) {
    FileImage image = Header(44, 14, true, 1);
    // Type 9 then what looks like its payload: 4 is read as a Drain step of 3 codes.
    Append(image, {9, 4, 1, 2, 3, 100, 253, 254, 255, 4, 4, 4, 4});
    WashData data;
    MachineConfig config;
    ASSERT_TRUE(ReadWashData(image, data, config).ok);
    ASSERT_EQ(data.Size(), 3u);
    EXPECT_EQ(data.At(0).type, RecordType::Drain);
    EXPECT_EQ(data.At(0).Code(3), 3);
    EXPECT_EQ(data.At(1).type, RecordType::CycleEnd);
    EXPECT_EQ(data.At(2).type, RecordType::DataEnd) << "reading stops at DataEnd";
}

TEST(WashDataFileReader, MissingDataEndIsAppended) {
    FileImage image = Header(44, 14, true, 1);
    Append(image, {0, 2, 'b', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 1, 2, 3, 254});
    WashData data;
    MachineConfig config;
    ASSERT_TRUE(ReadWashData(image, data, config).ok);
    ASSERT_EQ(data.Size(), 4u);
    EXPECT_EQ(data.At(1).type, RecordType::Heat);
    EXPECT_EQ(data.At(2).type, RecordType::CycleEnd);
    EXPECT_EQ(data.At(3).type, RecordType::DataEnd);
    EXPECT_EQ(data.CycleCount(), 1);
}

TEST(WashDataFileReader, SpinSpeedIsStoredInStepsOfFive) {
    const std::pair<int, int> cases[] = {{1275, 1275}, {802, 800}, {4, 0}, {5, 5}};
    for (const auto &[written, read] : cases) {
        WashData data({WashRecord::MakeCycleStart(1, "s"), Step(RecordType::Spin, {written, 9, 8}),
                       WashRecord::MakeCycleEnd(), WashRecord::MakeDataEnd()});
        MachineConfig config;
        const FileImage image = WriteWashData(data, config, FixedContext());
        WashData back;
        ASSERT_TRUE(ReadWashData(image, back, config).ok);
        EXPECT_EQ(back.At(1).Code(1), read) << written;
        EXPECT_EQ(back.At(1).Code(2), 9);
        EXPECT_EQ(back.At(1).time, 0u);
    }
}

TEST(WashDataFileRoundTrip, RandomDataAllTypesBothUnits) {
    std::mt19937 random(20251208);
    auto byte = [&random] { return static_cast<int>(random() % 256); };
    const RecordType steps[] = {RecordType::Fill,  RecordType::Wash, RecordType::Supply,
                                RecordType::Drain, RecordType::Spin, RecordType::Soak,
                                RecordType::Aux,   RecordType::Heat};
    for (int machineType = 0; machineType < kMachineTypeCount; ++machineType) {
        for (int units = 0; units <= 1; ++units) {
            std::vector<WashRecord> records;
            const int cycles = static_cast<int>(random() % 6);
            for (int c = 1; c <= cycles; ++c) {
                std::string name(random() % 18, 'a');
                for (char &ch : name)
                    ch = static_cast<char>(1 + random() % 255);
                records.push_back(WashRecord::MakeCycleStart(c * 7, name));
                const int stepCount = static_cast<int>(random() % 12);
                for (int s = 0; s < stepCount; ++s) {
                    WashRecord step = WashRecord::MakeStep(steps[random() % 8]);
                    for (int n = 1; n <= CodeCount(step.type); ++n)
                        step.SetCode(n, byte());
                    if (step.type == RecordType::Spin)
                        step.SetCode(1, byte() * 5);
                    step.time = random();
                    records.push_back(step);
                }
                records.push_back(WashRecord::MakeCycleEnd());
            }
            records.push_back(WashRecord::MakeDataEnd());
            WashData data(records);
            MachineConfig config;
            ConfigBytes bytes;
            for (auto &b : bytes)
                b = static_cast<uint8_t>(byte());
            bytes[0] = static_cast<uint8_t>(machineType);
            bytes[1] = static_cast<uint8_t>(units);
            bytes[3] &= static_cast<uint8_t>(~2);
            config.SetBytes(bytes);

            const FileImage image = WriteWashData(data, config, FixedContext());
            EXPECT_EQ(image.size(), WashDataFileSize(data));
            WashData back;
            MachineConfig backConfig;
            ASSERT_TRUE(ReadWashData(image, back, backConfig).ok);
            EXPECT_TRUE(back.SameContent(data)) << machineType << " " << units;
            EXPECT_EQ(backConfig.Bytes(), config.Bytes());
            EXPECT_EQ(backConfig.saveStamp, config.saveStamp);
            EXPECT_EQ(backConfig.savedBy, config.savedBy);
            const FileImage again = WriteWashData(back, backConfig, FixedContext());
            EXPECT_EQ(again, image) << "a second save of the loaded data is byte-identical";
        }
    }
}

TEST(WashDataFileRoundTrip, ResaveChangesOnlyStampNameInletBitAndFill) {
    FileImage image = Header(44, 14, true, 0); // not a compartment machine
    image[16 + 3] = 0x03;                      // InletOptions with bit 1 set
    Append(image, {0, 1, 'a',  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,   0,  0,
                   0, 1, 0x91, 2, 3, 4, 5, 2, 1, 2, 3, 4, 5, 6, 7, 254, 255});
    WashData data;
    MachineConfig config;
    ASSERT_TRUE(ReadWashData(image, data, config).ok);
    const FileImage saved = WriteWashData(data, config, FixedContext());
    ASSERT_EQ(saved.size(), image.size());
    // Outside the stamp and name (offsets 30..59) only InletOptions and the Fill Code1 differ.
    std::vector<std::size_t> differing;
    for (std::size_t i = 0; i < image.size(); ++i)
        if (image[i] != saved[i] && (i < 30 || i >= 60))
            differing.push_back(i);
    EXPECT_EQ(differing, (std::vector<std::size_t>{19, 80}));
    EXPECT_EQ(std::string(saved.begin() + 30, saved.begin() + 60),
              "0812251155tester              ");
    EXPECT_EQ(saved[19], 0x01);
    EXPECT_EQ(saved[80], 0x01);
}
