#pragma once
// Front-panel frames built from the frame rules in the tests themselves, so that the
// simulator's own framing code is checked rather than reused.

#include <cstdint>
#include <string>
#include <vector>

namespace simtest {

// (0 - byte sum) mod 256 over bytes[from, to), lifted by 32 when below 32.
inline uint8_t Check(const std::vector<uint8_t> &bytes, std::size_t from, std::size_t to) {
    unsigned sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += bytes[i];
    unsigned check = (256 - sum % 256) % 256;
    return static_cast<uint8_t>(check < 32 ? check + 32 : check);
}

// STX, text, check, ETX.
inline std::vector<uint8_t> Frame(const std::string &text) {
    std::vector<uint8_t> frame{0x02};
    for (char ch : text)
        frame.push_back(static_cast<uint8_t>(ch));
    frame.push_back(Check(frame, 1, frame.size()));
    frame.push_back(0x03);
    return frame;
}

} // namespace simtest
