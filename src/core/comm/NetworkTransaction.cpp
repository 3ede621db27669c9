#include "comm/NetworkTransaction.h"

#include <algorithm>

#include "comm/IdentifyReply.h"
#include "comm/NetworkFrame.h"

namespace korvanta {

namespace {
constexpr std::size_t kStartSearchLimit = 50; // the ";" is looked for below this index
constexpr std::size_t kEndSearchLimit = 500;  // the CR after the checksum, likewise

// Where the reply's ";" is: searched from index 1 when the reply begins with the echo of the
// request (the command's first character at index 3), else from index 0.
std::size_t FindStart(const ReplyBuffer &reply, const std::string &command) {
    const std::size_t from = !command.empty() && reply.At(kNetworkTextAt) == command[0] ? 1 : 0;
    for (std::size_t i = from; i < kStartSearchLimit; ++i)
        if (reply.At(i) == kNetworkStart)
            return i;
    return kStartSearchLimit;
}

void MoveToFront(ReplyBuffer &reply, std::size_t start) {
    auto &bytes = reply.bytes;
    std::copy(bytes.begin() + static_cast<long>(start), bytes.end(), bytes.begin());
    std::fill(bytes.end() - static_cast<long>(start), bytes.end(), uint8_t{0});
}

// The checksum digits stand just before the first CR; they cover everything after ";".
bool ChecksumRight(const ReplyBuffer &reply) {
    const std::size_t limit = std::min(kEndSearchLimit, reply.bytes.size());
    for (std::size_t k = 0; k + 2 < limit; ++k) {
        if (reply.At(k + 2) != kNetworkEnd)
            continue;
        const std::size_t first = 1;
        const std::size_t count = k > first ? k - first : 0;
        const std::string sum = NetworkChecksum(reply.bytes.data() + first, count);
        return reply.At(k) == static_cast<uint8_t>(sum[0]) &&
               reply.At(k + 1) == static_cast<uint8_t>(sum[1]);
    }
    return false;
}
} // namespace

bool NetworkTransaction(SerialPort &port, ReplyBuffer &reply, int address,
                        const std::string &command, std::size_t n) {
    const std::vector<uint8_t> frame = NetworkFrame(address, command);
    port.SendFrame(frame.data(), frame.size());
    // The whole buffer, not only its head: a short reply must never meet an older one's tail.
    reply.Clear(reply.bytes.size());
    reply.received = 0;
    if (address == kBroadcastAddress)
        return true;
    port.ReadRaw(reply, n + 2);
    const std::size_t start = FindStart(reply, command);
    if (start >= kStartSearchLimit)
        return false;
    MoveToFront(reply, start);
    if (reply.At(0) != kNetworkStart || HexByteAt(reply, 1) != address)
        return false;
    return ChecksumRight(reply);
}

int NetworkReplyWord(const ReplyBuffer &reply) {
    return HexWord(reply, kNetworkTextAt);
}

bool NetworkReplyStartsWith(const ReplyBuffer &reply, const std::string &text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (reply.At(kNetworkTextAt + i) != static_cast<uint8_t>(text[i]))
            return false;
    return true;
}

} // namespace korvanta
