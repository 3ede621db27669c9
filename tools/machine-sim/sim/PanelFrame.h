#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace korvanta::sim {

// Control bytes of the front-panel line.
inline constexpr uint8_t kStx = 0x02;
inline constexpr uint8_t kEtx = 0x03;
inline constexpr uint8_t kAck = 0x06;
inline constexpr uint8_t kNak = 0x15;

// The check byte of a front-panel frame: the two's complement of the byte sum, lifted by 32
// when it would be a control character, so it can never be mistaken for STX or ETX.
uint8_t FrameChecksum(const uint8_t *bytes, std::size_t n);
uint8_t FrameChecksum(const std::string &text);

// STX, payload, checksum over the payload, ETX.
std::vector<uint8_t> FramedReply(const std::vector<uint8_t> &payload);

// The four-byte answer to a plain command: STX, ACK or NAK, checksum, ETX.
std::vector<uint8_t> ShortReply(uint8_t verdict);

} // namespace korvanta::sim
