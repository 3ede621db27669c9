#pragma once

#include "model/UserMessage.h"

class QWidget;

namespace korvanta {

// Shows a message that a core operation asked for as a modal box with its icon and buttons,
// and returns the button pressed (closing the box counts as Cancel, or No where there is no
// Cancel, or Ok for a box with only OK).
MessageAnswer ShowUserMessage(QWidget *parent, const UserMessage &message);

} // namespace korvanta
