#include "prices/PricesFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "files/ReplaceFile.h"

namespace korvanta {

namespace {
constexpr const char *kSignatureFailure =
    "Invalid file format:\nSignature failure!\n\nFile could not be loaded!";
constexpr const char *kConfigurationCorrupted =
    "Invalid file format:\nConfiguration corrupted!\n\nFile could not be loaded!";

PricesLoad Refused(std::string message) {
    PricesLoad load;
    load.message = std::move(message);
    return load;
}
} // namespace

std::vector<uint8_t> EncodePricesFile(const PriceWords &words) {
    std::vector<uint8_t> bytes(kPricesSignature.begin(), kPricesSignature.end());
    bytes.push_back(kPricesPayloadBytes);
    for (uint16_t word : words) {
        bytes.push_back(static_cast<uint8_t>(word >> 8));
        bytes.push_back(static_cast<uint8_t>(word & 0xFF));
    }
    return bytes;
}

PricesLoad LoadPricesFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Refused("Unable to open " + path);
    std::vector<uint8_t> bytes;
    bytes.resize(kPricesFileBytes);
    in.read(reinterpret_cast<char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() < kPricesSignature.size() ||
        !std::equal(kPricesSignature.begin(), kPricesSignature.end(), bytes.begin()))
        return Refused(kSignatureFailure);
    if (bytes.size() < kPricesFileBytes || bytes[kPricesLengthAt] != kPricesPayloadBytes)
        return Refused(kConfigurationCorrupted);
    PricesLoad load;
    load.ok = true;
    for (std::size_t i = 0; i < kPriceWordCount; ++i)
        load.words[i] = static_cast<uint16_t>(bytes[kPricesWordsAt + 2 * i] << 8 |
                                              bytes[kPricesWordsAt + 2 * i + 1]);
    return load;
}

std::string SavePricesFile(const std::string &path, const PriceWords &words,
                           const std::string &backup, FileLayer &files) {
    if (!ReplaceFile(std::filesystem::path(path), EncodePricesFile(words), {backup}, files))
        return "Unable to save " + path;
    return {};
}

} // namespace korvanta
