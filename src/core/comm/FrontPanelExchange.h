#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "comm/BlockFrame.h"
#include "comm/ReplyBuffer.h"
#include "comm/SerialPort.h"

namespace korvanta {

// Single front-panel exchanges: one frame out, one reply in, one verdict. They never retry,
// ask or report; FrontPanel does that on top of them.

// Bytes read for a command's reply: 44 for "VER...", 289 for "RBL...", else 4.
std::size_t CommandReplyLength(const std::string &text);
// ACK at index 1; "VER" also takes "v", the erase commands also NAK, "RBL" anything.
bool CommandAccepted(const std::string &text, const ReplyBuffer &reply);
bool ExchangeCommand(SerialPort &port, ReplyBuffer &reply, const std::string &text);

enum class IdentifyVerdict { Ready, Busy, NoAnswer };
// Sends "I" and reads replyLength bytes; a reply behind stray bytes is moved to the start.
IdentifyVerdict ExchangeIdentify(SerialPort &port, ReplyBuffer &reply, std::size_t replyLength);

// One "TSK" poll: true when the machine's last task has finished.
bool ExchangeTaskPoll(SerialPort &port, ReplyBuffer &reply);
// Sends a block frame (after "WB1" was accepted): true when the machine took it intact.
bool ExchangeBlockFrame(SerialPort &port, ReplyBuffer &reply, const BlockFrameBytes &frame);
// Asks for stored block number `block`; true and the 256 data bytes when all 289 bytes came
// and every row checks.
bool ExchangeReadBlock(SerialPort &port, ReplyBuffer &reply, int block, uint8_t *data);
// Asks for a 16-bit machine parameter: its value, or -1 when the reply is short, its sum does
// not check, or its digits are not hex.
int ExchangeParameterRead(SerialPort &port, ReplyBuffer &reply, int parameter);

} // namespace korvanta
