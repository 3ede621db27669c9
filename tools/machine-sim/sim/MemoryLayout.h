#pragma once

#include <cstddef>

namespace korvanta::sim {

// Where the controller keeps what it receives.
inline constexpr std::size_t kBlockBytes = 256;
inline constexpr int kCycleBlockCount = 256;               // cycle blocks 0..255
inline constexpr std::size_t kSoftwareImageBytes = 124928; // software blocks 512..999
inline constexpr int kSoftwareBlockCount = 488;
inline constexpr int kFirstSoftwareBlock = 512;
inline constexpr int kLastSoftwareBlock = 999;
inline constexpr int kParameterCount = 256; // parameter addresses 0..255; 1..11 and 20 exist

} // namespace korvanta::sim
