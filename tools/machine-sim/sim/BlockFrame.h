#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace korvanta::sim {

// A block of 256 data bytes on the front-panel line: 16 rows of 16 data bytes each followed by
// a row check byte, then a row of 17 column check bytes. Every row and every column of the
// 17 x 17 square sums to 0 modulo 256.
inline constexpr std::size_t kBlockFrameBytes = 289;
inline constexpr std::size_t kBlockDataBytes = 256;

std::vector<uint8_t> EncodeBlockFrame(const uint8_t *data);

// False (data untouched) when any row or column of the frame does not sum to 0.
bool DecodeBlockFrame(const uint8_t *frame, std::array<uint8_t, kBlockDataBytes> &data);

} // namespace korvanta::sim
