#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "comm/CommUi.h"
#include "comm/FileBytes.h"
#include "comm/FrontPanel.h"

namespace korvanta {

// Checks a file about to be sent: it opened, starts with the signature and is not above
// maxBytes. Says what is wrong ("File not found!", "File format error!", tooBigText) or shows
// "nr of bytes: %d" with its size.
bool CheckSignedFile(CommUi &ui, const FileBytes &file, std::string_view signature,
                     std::uintmax_t maxBytes, const char *tooBigText);

// The connection phase of the transfers that only identify the machine: hourglass, "Establishing
// connection...", then Identify with its questions.
bool ConnectPlain(FrontPanel &panel, std::size_t replyLength, RetryCount count);

// The end every transfer shares: gauge hidden and reset, detail panel emptied, normal cursor,
// the result (or "Error!") in the main panel and the buttons back to idle.
void EndTransfer(CommUi &ui, bool succeeded, const char *successText);

} // namespace korvanta
