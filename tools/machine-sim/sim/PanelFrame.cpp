#include "sim/PanelFrame.h"

namespace korvanta::sim {

namespace {
constexpr unsigned kLowestCheckByte = 32;
}

uint8_t FrameChecksum(const uint8_t *bytes, std::size_t n) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < n; ++i)
        sum += bytes[i];
    unsigned check = (0u - sum) & 0xFFu;
    if (check < kLowestCheckByte)
        check += kLowestCheckByte;
    return static_cast<uint8_t>(check);
}

uint8_t FrameChecksum(const std::string &text) {
    return FrameChecksum(reinterpret_cast<const uint8_t *>(text.data()), text.size());
}

std::vector<uint8_t> FramedReply(const std::vector<uint8_t> &payload) {
    std::vector<uint8_t> frame;
    frame.reserve(payload.size() + 3);
    frame.push_back(kStx);
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.push_back(FrameChecksum(payload.data(), payload.size()));
    frame.push_back(kEtx);
    return frame;
}

std::vector<uint8_t> ShortReply(uint8_t verdict) {
    return FramedReply({verdict});
}

} // namespace korvanta::sim
