#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvanta::sim {

// RS-485 frames are text: ";", the address as 2 hex digits, the command or reply text, the
// byte sum of address and text modulo 256 as 2 hex digits, CR. The computer adds a NUL after
// the CR, which carries no meaning.
inline constexpr char kNetworkStart = ';';
inline constexpr char kNetworkEnd = '\r';
inline constexpr int kBroadcastAddress = 0xFF;

struct NetworkRequest {
    int address = 0;
    std::string text;
};

std::string NetworkChecksum(const std::string &addressAndText);
std::vector<uint8_t> NetworkReply(int address, const std::string &text);

// The bytes between ";" and CR (both excluded); nullopt when the address or checksum is wrong.
std::optional<NetworkRequest> ParseNetworkFrame(const std::string &body);

} // namespace korvanta::sim
