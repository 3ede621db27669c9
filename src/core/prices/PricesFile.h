#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileLayer.h"
#include "prices/PriceWords.h"

namespace korvanta {

// A prices file: the signature, the byte 22 (the bytes that follow), the eleven words high
// byte first. 36 bytes.
constexpr std::string_view kPricesSignature = "KVT-PRICES100";
constexpr uint8_t kPricesPayloadBytes = 22;
constexpr std::size_t kPricesLengthAt = 13;
constexpr std::size_t kPricesWordsAt = 14;
constexpr std::size_t kPricesFileBytes = 36;

std::vector<uint8_t> EncodePricesFile(const PriceWords &words);

struct PricesLoad {
    bool ok = false;
    PriceWords words{};
    std::string message; // the error box text when not ok
};

// Reads a prices file as the prices dialog loads it. A file that ends before all eleven words
// is refused as a corrupted configuration: half a set of prices is never shown as if whole.
PricesLoad LoadPricesFile(const std::string &path);

// Writes the words, keeping a previous file as backup when one is named; the error box text
// ("Unable to save " + path) when that fails, else empty.
std::string SavePricesFile(const std::string &path, const PriceWords &words,
                           const std::string &backup = {}, FileLayer &files = RealFiles());

} // namespace korvanta
