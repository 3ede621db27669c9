#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvanta {

// RS-485 frames are text: ";", the address as 2 hex digits, the command, the byte sum of
// address and command modulo 256 as 2 upper-case hex digits, CR, and a NUL that goes out too.
inline constexpr char kNetworkStart = ';';
inline constexpr uint8_t kNetworkEnd = 0x0D; // CR
inline constexpr int kBroadcastAddress = 0xFF;

// The sum modulo 256 of the bytes, as 2 upper-case hex digits.
std::string NetworkChecksum(const uint8_t *bytes, std::size_t count);

// The frame as sent, NUL included: ";00IA9" CR NUL for "I" to address 0.
std::vector<uint8_t> NetworkFrame(int address, const std::string &command);

} // namespace korvanta
