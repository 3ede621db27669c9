#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "WashDataFileSamples.h"

using namespace korvanta;
namespace fs = std::filesystem;

// Golden files in tests/data are made by this test. With KVT_REGENERATE_GOLDEN=1 in the
// environment it writes them instead of comparing (see tests/data/README.md).
namespace {

bool Regenerating() {
    return std::getenv("KVT_REGENERATE_GOLDEN") != nullptr;
}

fs::path DataFile(const std::string &name) {
    return fs::path(KVT_TEST_DATA_DIR) / name;
}

std::string ReadAll(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void CheckGolden(const std::string &name, const std::string &content) {
    if (Regenerating()) {
        std::ofstream(DataFile(name), std::ios::binary) << content;
        return;
    }
    ASSERT_TRUE(fs::exists(DataFile(name))) << name;
    EXPECT_EQ(ReadAll(DataFile(name)), content) << name << " differs (length included)";
}

std::string Text(const FileImage &image) {
    return std::string(image.begin(), image.end());
}

// An older layout of the sample file: the header cut down to what that format held.
FileImage OlderLayout(const FileImage &current, uint8_t formatByte) {
    const bool stampAndName = formatByte >= 40;
    const int configBytes = (formatByte % 10 == 0) ? 10 : 11;
    FileImage image(current.begin(), current.begin() + 15);
    image.push_back(formatByte);
    image.insert(image.end(), current.begin() + 16, current.begin() + 16 + configBytes);
    if (stampAndName)
        image.insert(image.end(), current.begin() + 30, current.begin() + 60);
    image.insert(image.end(), current.begin() + 60, current.end());
    return image;
}

} // namespace

TEST(WashDataFileGolden, CurrentFormat) {
    WashData data = samples::ThreeCycles();
    MachineConfig config = samples::SampleConfig();
    CheckGolden("three-cycles.kvt", Text(WriteWashData(data, config, samples::SampleContext())));
    CheckGolden("three-cycles.dump", samples::DumpText(data, config));

    WashData empty;
    MachineConfig emptyConfig;
    CheckGolden("empty.kvt", Text(WriteWashData(empty, emptyConfig, samples::SampleContext())));
}

TEST(WashDataFileGolden, OlderFormatsLoadAsRecorded) {
    WashData data = samples::ThreeCycles();
    MachineConfig config = samples::SampleConfig();
    const FileImage current = WriteWashData(data, config, samples::SampleContext());
    for (uint8_t formatByte : {10, 11, 40, 41}) {
        const std::string name = "three-cycles-format" + std::to_string(formatByte);
        const FileImage image = OlderLayout(current, formatByte);
        CheckGolden(name + ".kvt", Text(image));
        const FileImage stored = Regenerating() ? image : [&] {
            const std::string text = ReadAll(DataFile(name + ".kvt"));
            return FileImage(text.begin(), text.end());
        }();
        WashData loaded;
        MachineConfig loadedConfig;
        ASSERT_TRUE(ReadWashData(stored, loaded, loadedConfig).ok) << name;
        CheckGolden(name + ".dump", samples::DumpText(loaded, loadedConfig));
    }
}

// Damaged files for the command-line tests: each is rejected or repaired by the reader.
TEST(WashDataFileGolden, DamagedFiles) {
    WashData data = samples::ThreeCycles();
    MachineConfig config = samples::SampleConfig();
    const FileImage current = WriteWashData(data, config, samples::SampleContext());
    FileImage badSignature = current;
    badSignature[0] = 'X';
    FileImage badFormat = current;
    badFormat[15] = 45;
    FileImage unknownMachine = current;
    unknownMachine[16] = 28;
    const FileImage cutShort(current.begin(), current.end() - 3); // inside the last Spin step
    CheckGolden("bad-signature.kvt", Text(badSignature));
    CheckGolden("bad-format.kvt", Text(badFormat));
    CheckGolden("unknown-machine.kvt", Text(unknownMachine));
    CheckGolden("cut-short.kvt", Text(cutShort));

    WashData loaded;
    MachineConfig loadedConfig;
    ASSERT_TRUE(ReadWashData(cutShort, loaded, loadedConfig).ok);
    CheckGolden("cut-short.dump", samples::DumpText(loaded, loadedConfig));
}
