#pragma once

#include "comm/CommUi.h"

namespace korvanta {

// The end every transfer shares: gauge hidden and reset, detail panel emptied, normal cursor,
// the result (or "Error!") in the main panel and the buttons back to idle.
void EndTransfer(CommUi &ui, bool succeeded, const char *successText);

} // namespace korvanta
