#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace korvanta {

// The largest reply of the front-panel protocol: a block frame of 17 rows of 17 bytes.
constexpr std::size_t kReplyBufferBytes = 289;

// Where every front-panel reply lands. Reading an index past the buffer gives 0, so a parser
// can never leave it whatever the machine sends.
struct ReplyBuffer {
    std::array<uint8_t, kReplyBufferBytes> bytes{};
    std::size_t received = 0; // bytes that arrived with the last read

    uint8_t At(std::size_t index) const { return index < bytes.size() ? bytes[index] : 0; }
    void Clear(std::size_t count) {
        std::fill_n(bytes.begin(), std::min(count, bytes.size()), uint8_t{0});
    }
};

} // namespace korvanta
