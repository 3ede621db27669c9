#pragma once

#include <string>

namespace korvanta {

// The file pattern and filter of the network's software file dialog.
inline constexpr const char *kNetworkSoftwarePattern = "Kvt_*.bin";
inline constexpr const char *kNetworkSoftwareFilterName = "Korvanta software";

// The folder the software file dialog opens in, from the remembered "LastBinDir": the value
// itself when it is a folder, else its folder part (the front-panel dialog remembers a file
// there). Empty when nothing usable is left.
std::string NetworkSoftwareFolder(const std::string &lastBinDir);

// The file name the dialog proposes: of the names matching "Kvt_*.bin" in the folder (in any
// case), the one that sorts last in lower case; the pattern itself when there is none.
std::string NetworkSoftwareFileName(const std::string &folder);

} // namespace korvanta
