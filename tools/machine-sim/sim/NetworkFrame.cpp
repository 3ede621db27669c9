#include "sim/NetworkFrame.h"

#include "sim/HexText.h"

namespace korvanta::sim {

namespace {
constexpr std::size_t kAddressDigits = 2;
constexpr std::size_t kChecksumDigits = 2;
} // namespace

std::string NetworkChecksum(const std::string &addressAndText) {
    unsigned sum = 0;
    for (char c : addressAndText)
        sum += static_cast<uint8_t>(c);
    return HexDigits(sum & 0xFFu, kChecksumDigits);
}

std::vector<uint8_t> NetworkReply(int address, const std::string &text) {
    std::string body = HexDigits(static_cast<unsigned>(address), kAddressDigits) + text;
    std::string frame = kNetworkStart + body + NetworkChecksum(body) + kNetworkEnd;
    return {frame.begin(), frame.end()};
}

std::optional<NetworkRequest> ParseNetworkFrame(const std::string &body) {
    if (body.size() < kAddressDigits + 1 + kChecksumDigits)
        return std::nullopt;
    std::string checked = body.substr(0, body.size() - kChecksumDigits);
    if (body.substr(checked.size()) != NetworkChecksum(checked))
        return std::nullopt;
    unsigned address = 0;
    if (!ParseHex(std::string_view(checked).substr(0, kAddressDigits), address))
        return std::nullopt;
    return NetworkRequest{static_cast<int>(address), checked.substr(kAddressDigits)};
}

} // namespace korvanta::sim
