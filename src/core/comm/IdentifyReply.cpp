#include "comm/IdentifyReply.h"

#include "comm/FrontPanelCodes.h"

namespace korvanta {

namespace {
constexpr std::size_t kCoinLetterAt = 6;

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}
} // namespace

int HexByte(char high, char low) {
    const int h = HexDigit(high);
    const int l = HexDigit(low);
    return h < 0 || l < 0 ? -1 : h * 16 + l;
}

int HexByteAt(const ReplyBuffer &reply, std::size_t at) {
    return HexByte(static_cast<char>(reply.At(at)), static_cast<char>(reply.At(at + 1)));
}

int HexWord(const ReplyBuffer &reply, std::size_t at) {
    const int high = HexByteAt(reply, at);
    const int low = HexByteAt(reply, at + 2);
    return high < 0 || low < 0 ? -1 : high * 256 + low;
}

IdentifiedMachine ReadIdentifyReply(const ReplyBuffer &reply) {
    IdentifiedMachine machine;
    machine.machineType = HexByteAt(reply, 2);
    const int swapped = HexByteAt(reply, 4);
    if (swapped >= 0)
        machine.drains = ((swapped & 0x0F) << 4) | (swapped >> 4);
    machine.coin = reply.received >= kCoinIdentifyBytes && reply.At(kCoinLetterAt) == 'C';
    return machine;
}

} // namespace korvanta
