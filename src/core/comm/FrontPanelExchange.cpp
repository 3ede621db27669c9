#include "comm/FrontPanelExchange.h"

#include <cstring>

#include "comm/CommandFrame.h"
#include "comm/FormatText.h"
#include "comm/FrontPanelCodes.h"
#include "comm/IdentifyReply.h"

namespace korvanta {

namespace {
constexpr std::size_t kClearedBeforeCommand = 50;
constexpr std::size_t kClearedBeforePoll = 10;
constexpr std::size_t kRealignWindow = 20; // a stray STX is looked for among these bytes
constexpr std::size_t kParameterChecksumAt = 5;

bool StartsWith(const std::string &text, const char *prefix) {
    return text.rfind(prefix, 0) == 0;
}

void Realign(ReplyBuffer &reply) {
    if (reply.At(0) == kStx)
        return;
    for (std::size_t i = 1; i < kRealignWindow; ++i) {
        if (reply.bytes[i] != kStx)
            continue;
        std::memmove(reply.bytes.data(), reply.bytes.data() + i, kRealignWindow - i);
        reply.received = reply.received > i ? reply.received - i : 0;
        return;
    }
}

// The sum of indexes 1..5 is 0 or 32 exactly when index 5 is the frame checksum of 1..4.
bool ParameterSumChecks(const ReplyBuffer &reply) {
    unsigned sum = 0;
    for (std::size_t i = 1; i <= kParameterChecksumAt; ++i)
        sum += reply.At(i);
    return sum % 256 == 0 || sum % 256 == 32;
}
} // namespace

std::size_t CommandReplyLength(const std::string &text) {
    if (StartsWith(text, "VER"))
        return kVersionReplyBytes;
    if (StartsWith(text, "RBL"))
        return kBlockFrameBytes;
    return kShortReplyBytes;
}

bool CommandAccepted(const std::string &text, const ReplyBuffer &reply) {
    const uint8_t verdict = reply.At(1);
    if (verdict == kAck || StartsWith(text, "RBL"))
        return true;
    if (StartsWith(text, "VER"))
        return verdict == 'v';
    if (StartsWith(text, "ERA"))
        return verdict == kNak;
    return false;
}

bool ExchangeCommand(SerialPort &port, ReplyBuffer &reply, const std::string &text) {
    reply.Clear(kClearedBeforeCommand);
    port.SendBytes(CommandFrame(text));
    port.ReceiveReply(reply, CommandReplyLength(text));
    return CommandAccepted(text, reply);
}

IdentifyVerdict ExchangeIdentify(SerialPort &port, ReplyBuffer &reply, std::size_t replyLength) {
    port.SendBytes(CommandFrame("I"));
    port.ReceiveReply(reply, replyLength);
    Realign(reply);
    if (reply.At(1) == kAck)
        return IdentifyVerdict::Ready;
    return reply.At(1) == kNak ? IdentifyVerdict::Busy : IdentifyVerdict::NoAnswer;
}

bool ExchangeTaskPoll(SerialPort &port, ReplyBuffer &reply) {
    reply.Clear(kClearedBeforePoll);
    port.SendBytes(CommandFrame("TSK"));
    return port.ReceiveReply(reply, kShortReplyBytes) == kShortReplyBytes && reply.At(1) == kAck;
}

bool ExchangeBlockFrame(SerialPort &port, ReplyBuffer &reply, const BlockFrameBytes &frame) {
    port.SendBytes(frame.data(), frame.size());
    port.ReceiveReply(reply, kShortReplyBytes);
    return reply.At(1) == kAck;
}

bool ExchangeReadBlock(SerialPort &port, ReplyBuffer &reply, int block, uint8_t *data) {
    port.SendBytes(CommandFrame(FormatText("RBL%03d", block)));
    if (port.ReceiveReply(reply, kBlockFrameBytes) < kBlockFrameBytes)
        return false;
    if (!BlockFrameIntact(reply.bytes.data()))
        return false;
    BlockFrameData(reply.bytes.data(), data);
    return true;
}

int ExchangeParameterRead(SerialPort &port, ReplyBuffer &reply, int parameter) {
    port.SendBytes(CommandFrame(FormatText("ER%02X", parameter)));
    if (port.ReceiveReply(reply, kParameterReplyBytes) < kParameterReplyBytes)
        return -1;
    return ParameterSumChecks(reply) ? HexWord(reply, 1) : -1;
}

} // namespace korvanta
