#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace korvanta {

// What the transfers read from the head of a wash data file before sending it.
// The first 12 characters of the signature (its version digits are not tested).
inline constexpr std::string_view kWashFileSignature = "KORVANTA-DAT";
inline constexpr std::size_t kWashFileTypeAt = 16;   // MachineType
inline constexpr std::size_t kWashFileDrainsAt = 18; // Drains

// The header byte at `at`, or -1 when the file is too short to hold it.
inline int WashFileByte(const std::vector<uint8_t> &bytes, std::size_t at) {
    return at < bytes.size() ? bytes[at] : -1;
}

} // namespace korvanta
