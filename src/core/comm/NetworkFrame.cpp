#include "comm/NetworkFrame.h"

#include "comm/FormatText.h"

namespace korvanta {

std::string NetworkChecksum(const uint8_t *bytes, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += bytes[i];
    return FormatText("%02X", sum % 256);
}

std::vector<uint8_t> NetworkFrame(int address, const std::string &command) {
    const std::string body = FormatText("%02X", static_cast<unsigned>(address) & 0xFF) + command;
    std::vector<uint8_t> frame{static_cast<uint8_t>(kNetworkStart)};
    frame.insert(frame.end(), body.begin(), body.end());
    const std::string sum = NetworkChecksum(frame.data() + 1, body.size());
    frame.insert(frame.end(), sum.begin(), sum.end());
    frame.push_back(kNetworkEnd);
    frame.push_back(0);
    return frame;
}

} // namespace korvanta
