#pragma once

#include <cstddef>

#include "comm/ReplyBuffer.h"

namespace korvanta {

// What an identification reply says about the machine. Its checksum is never looked at.
struct IdentifiedMachine {
    int machineType = -1; // -1 when indexes 2, 3 are not two hex digits
    int drains = -1;      // nibbles swapped back; -1 when indexes 4, 5 are not two hex digits
    bool coin = false;    // a complete coin reply: all its bytes arrived and "C" at index 6
};

IdentifiedMachine ReadIdentifyReply(const ReplyBuffer &reply);

// Two hex digits (either case) as a number, -1 when either is not a hex digit.
int HexByte(char high, char low);
// The two hex digits at `at` in the reply as a number, -1 when either is not a hex digit.
int HexByteAt(const ReplyBuffer &reply, std::size_t at);
// Four hex digits as a number, -1 when any is not a hex digit.
int HexWord(const ReplyBuffer &reply, std::size_t at);

} // namespace korvanta
