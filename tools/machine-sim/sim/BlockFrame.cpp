#include "sim/BlockFrame.h"

namespace korvanta::sim {

namespace {
constexpr std::size_t kSide = 17;
constexpr std::size_t kDataSide = 16;

uint8_t Negated(unsigned sum) {
    return static_cast<uint8_t>((0u - sum) & 0xFFu);
}
} // namespace

std::vector<uint8_t> EncodeBlockFrame(const uint8_t *data) {
    std::vector<uint8_t> frame(kBlockFrameBytes, 0);
    for (std::size_t r = 0; r < kDataSide; ++r) {
        unsigned rowSum = 0;
        for (std::size_t c = 0; c < kDataSide; ++c) {
            frame[r * kSide + c] = data[r * kDataSide + c];
            rowSum += data[r * kDataSide + c];
        }
        frame[r * kSide + kDataSide] = Negated(rowSum);
    }
    for (std::size_t c = 0; c < kSide; ++c) {
        unsigned columnSum = 0;
        for (std::size_t r = 0; r < kDataSide; ++r)
            columnSum += frame[r * kSide + c];
        frame[kDataSide * kSide + c] = Negated(columnSum);
    }
    return frame;
}

bool DecodeBlockFrame(const uint8_t *frame, std::array<uint8_t, kBlockDataBytes> &data) {
    for (std::size_t i = 0; i < kSide; ++i) {
        unsigned rowSum = 0;
        unsigned columnSum = 0;
        for (std::size_t j = 0; j < kSide; ++j) {
            rowSum += frame[i * kSide + j];
            columnSum += frame[j * kSide + i];
        }
        if ((rowSum & 0xFFu) != 0 || (columnSum & 0xFFu) != 0)
            return false;
    }
    for (std::size_t r = 0; r < kDataSide; ++r)
        for (std::size_t c = 0; c < kDataSide; ++c)
            data[r * kDataSide + c] = frame[r * kSide + c];
    return true;
}

} // namespace korvanta::sim
