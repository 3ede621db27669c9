#include "prices/PriceWords.h"

namespace korvanta {

PriceWords DefaultPriceWords() {
    PriceWords words{};
    for (std::size_t i = 0; i < kCyclePriceCount; ++i)
        words[i] = 100;
    words[kCoin1Word] = 25;
    words[kCoin2Word] = 100;
    words[kDecimalPointWord] = 2;
    return words;
}

int DecimalPointOf(uint16_t word) {
    const int low = word & 0xFF;
    return low <= 2 ? low : 3;
}

} // namespace korvanta
