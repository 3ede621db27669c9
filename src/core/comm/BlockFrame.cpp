#include "comm/BlockFrame.h"

#include <algorithm>

namespace korvanta {

namespace {
constexpr int kRows = 16;     // data rows
constexpr int kRowBytes = 17; // 16 data bytes and the row check
constexpr int kDataPerRow = 16;

uint8_t Negated(unsigned sum) {
    return static_cast<uint8_t>(0u - sum);
}
} // namespace

BlockFrameBytes BuildBlockFrame(const uint8_t *data) {
    BlockFrameBytes frame{};
    for (int r = 0; r < kRows; ++r) {
        unsigned sum = 0;
        for (int c = 0; c < kDataPerRow; ++c) {
            frame[r * kRowBytes + c] = data[r * kDataPerRow + c];
            sum += data[r * kDataPerRow + c];
        }
        frame[r * kRowBytes + kDataPerRow] = Negated(sum);
    }
    for (int c = 0; c < kRowBytes; ++c) {
        unsigned sum = 0;
        for (int r = 0; r < kRows; ++r)
            sum += frame[r * kRowBytes + c];
        frame[kRows * kRowBytes + c] = Negated(sum);
    }
    return frame;
}

bool BlockFrameIntact(const uint8_t *frame) {
    for (int r = 0; r <= kRows; ++r) {
        unsigned sum = 0;
        for (int c = 0; c < kRowBytes; ++c)
            sum += frame[r * kRowBytes + c];
        if (sum % 256 != 0)
            return false;
    }
    return true;
}

void BlockFrameData(const uint8_t *frame, uint8_t *data) {
    for (int r = 0; r < kRows; ++r)
        std::copy_n(frame + r * kRowBytes, kDataPerRow, data + r * kDataPerRow);
}

bool BlockIsBlank(const uint8_t *data) {
    return std::all_of(data, data + kBlockBytes, [](uint8_t b) { return b == 0xFF; });
}

} // namespace korvanta
