#pragma once

#include <string>

#include "comm/FrontPanel.h"
#include "comm/VersionReply.h"

namespace korvanta {

// This program's version as the board information shows it: "%d.%02d" of 2 and 4.
std::string PlannerVersionText();

struct BoardInfo {
    bool portOpened = false;
    bool answered = false;  // a well-formed version reply arrived: `texts` hold it
    bool cancelled = false; // the user gave up: the machine labels read "no connection"
    VersionTexts texts;
};

// Opens the port, asks for the four version texts and closes the port again. The single
// status panel gets "Requesting info..." and then "Done" or "Error!".
BoardInfo RequestBoardInfo(FrontPanel &panel, const std::string &portName);

} // namespace korvanta
