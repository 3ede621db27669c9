#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace korvanta {

constexpr std::size_t kPriceWordCount = 11;
constexpr std::size_t kCyclePriceCount = 8;
constexpr std::size_t kCoin1Word = 8;         // index of word 9, the value of coin 1
constexpr std::size_t kCoin2Word = 9;         // index of word 10, the value of coin 2
constexpr std::size_t kDecimalPointWord = 10; // index of word 11
constexpr uint16_t kMaxPriceValue = 9999;     // four display digits

// The eleven machine parameters of a coin machine: prices of cycles 1..8, the values of
// coin 1 and coin 2, and the decimal point position (0 none, 1..3 after that many digits).
using PriceWords = std::array<uint16_t, kPriceWordCount>;

// The values a fresh prices dialog shows: 100 per cycle, coins 25 and 100, point "00.00".
PriceWords DefaultPriceWords();

// The decimal point a stored word selects: its low byte 0, 1 or 2, anything else 3.
int DecimalPointOf(uint16_t word);

} // namespace korvanta
