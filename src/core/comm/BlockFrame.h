#pragma once

#include <array>
#include <cstdint>

#include "comm/FrontPanelCodes.h"

namespace korvanta {

// One 256-byte block as it travels: 16 rows of 16 data bytes, each followed by its row check,
// and a row of 17 column checks. Every row, the check row included, sums to 0 modulo 256.
using BlockFrameBytes = std::array<uint8_t, kBlockFrameBytes>;

BlockFrameBytes BuildBlockFrame(const uint8_t *data); // data: 256 bytes
// True when each of the 17 rows sums to 0 modulo 256.
bool BlockFrameIntact(const uint8_t *frame); // frame: 289 bytes
// The 256 data bytes of a frame, row by row.
void BlockFrameData(const uint8_t *frame, uint8_t *data);
// True when all 256 bytes are 0xFF: such a block is never sent.
bool BlockIsBlank(const uint8_t *data);

} // namespace korvanta
