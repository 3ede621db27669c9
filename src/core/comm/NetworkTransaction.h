#pragma once

#include <cstddef>
#include <string>

#include "comm/ReplyBuffer.h"
#include "comm/SerialPort.h"

namespace korvanta {

// Reply texts start here: after ";" and the 2 address digits.
constexpr std::size_t kNetworkTextAt = 3;

// One request and its reply on the network: the frame goes out, n + 2 bytes are read (nothing
// for the broadcast address) and the reply is moved so that its ";" is at index 0. True when
// the reply comes from the address asked and its checksum is right; a broadcast is always
// valid. Never retries.
bool NetworkTransaction(SerialPort &port, ReplyBuffer &reply, int address,
                        const std::string &command, std::size_t n);

// The 4 hex digits at index 3..6 of a reply, or -1 when they are not hex digits.
int NetworkReplyWord(const ReplyBuffer &reply);
// True when the reply text (from index 3) starts with `text`.
bool NetworkReplyStartsWith(const ReplyBuffer &reply, const std::string &text);

} // namespace korvanta
