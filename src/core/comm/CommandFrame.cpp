#include "comm/CommandFrame.h"

#include "comm/FrontPanelCodes.h"

namespace korvanta {

namespace {
constexpr uint8_t kLowestChecksum = 32;
}

uint8_t FrameChecksum(const uint8_t *text, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += text[i];
    auto checksum = static_cast<uint8_t>(0u - sum);
    if (checksum < kLowestChecksum)
        checksum = static_cast<uint8_t>(checksum + kLowestChecksum);
    return checksum;
}

uint8_t FrameChecksum(const std::string &text) {
    return FrameChecksum(reinterpret_cast<const uint8_t *>(text.data()), text.size());
}

std::vector<uint8_t> CommandFrame(const std::string &text) {
    std::vector<uint8_t> frame;
    frame.reserve(text.size() + 3);
    frame.push_back(kStx);
    frame.insert(frame.end(), text.begin(), text.end());
    frame.push_back(FrameChecksum(text));
    frame.push_back(kEtx);
    return frame;
}

} // namespace korvanta
