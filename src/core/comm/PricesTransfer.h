#pragma once

#include <string>

#include "comm/FrontPanel.h"

namespace korvanta {

// What the file chooser offers for prices files.
inline const FileRequest kPricesOpenRequest{"Prices data", "kvtprices", false};
inline const FileRequest kPricesSaveRequest{"Prices data", "kvtprices", true};

// Sends the words of the prices file at `path` as machine parameters 1, 2, ...
bool WritePrices(FrontPanel &panel, const std::string &path);
// Reads parameters 1..11 of a coin machine and saves them where the user chooses.
bool ReadPrices(FrontPanel &panel);

} // namespace korvanta
