#pragma once

#include "comm/ReplyBuffer.h"

namespace korvanta {

// True when the buffer holds a well-formed framed reply: STX first, and the byte before the
// first ETX (searched at indexes 2..51; without one, index 50 is the checksum) equal to the sum of
// the bytes between them.
bool VerifyReply(const ReplyBuffer &reply);

} // namespace korvanta
