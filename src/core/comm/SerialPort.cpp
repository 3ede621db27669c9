#include "comm/SerialPort.h"

#include <algorithm>

namespace korvanta {

namespace {
constexpr std::size_t kClearedReplyHead = 20;
}

std::size_t SerialPort::ReceiveReply(ReplyBuffer &reply, std::size_t count) {
    DiscardInput();
    reply.Clear(kClearedReplyHead);
    return ReadRaw(reply, count);
}

void SerialPort::SendFrame(const uint8_t *data, std::size_t count) {
    SetRts(false);
    for (std::size_t i = 0; i < count; ++i)
        Write(data + i, 1);
    SetRts(true);
}

std::size_t SerialPort::ReadRaw(ReplyBuffer &reply, std::size_t count) {
    reply.received = Read(reply.bytes.data(), std::min(count, reply.bytes.size()));
    return reply.received;
}

} // namespace korvanta
