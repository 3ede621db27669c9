#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace korvanta {

// Checksum of a front-panel frame: the negated byte sum, lifted by 32 when below 32 so that it
// is never taken for a control character.
uint8_t FrameChecksum(const uint8_t *text, std::size_t count);
uint8_t FrameChecksum(const std::string &text);

// STX, the command text, its checksum, ETX.
std::vector<uint8_t> CommandFrame(const std::string &text);

} // namespace korvanta
