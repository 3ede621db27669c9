#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace korvanta {

// The controller software as the machine holds it: blocks 0..487 of 256 bytes, sent as block
// numbers 512..999. The file's bytes, 0xFF up to the marker, then 0x55 0xAA and the word sum.
constexpr std::size_t kFirmwareImageBytes = 124928;
constexpr std::uintmax_t kMaxFirmwareFileBytes = 131072; // the largest file looked at
constexpr std::size_t kImageMarkerAt = 0x1E7FC;
constexpr std::size_t kImageLastBlockAt = 0x1E700;
constexpr int kFirstSoftwareBlock = 512;
constexpr int kLastSoftwareBlock = 999;

// The first 256 bytes are 64 big-endian 32-bit reset and interrupt vectors; each must be 0,
// 0xFFFFFFFF or point into 0x220000..0x22FFFF. Bytes missing from a short file count as 0.
bool VectorCheck(const std::vector<uint8_t> &file);

// The image of a file of at most kFirmwareImageBytes (longer files are refused before; bytes
// beyond the image are never looked at).
std::vector<uint8_t> FirmwareImage(const std::vector<uint8_t> &file);

// Sum modulo 65536 of the big-endian words before the marker.
uint16_t FirmwareImageSum(const std::vector<uint8_t> &image);

} // namespace korvanta
