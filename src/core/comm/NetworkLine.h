#pragma once

#include <string>

#include "comm/CommUi.h"
#include "comm/NetworkState.h"
#include "comm/SerialPort.h"

namespace korvanta {

// Status texts and messages of the network dialog.
namespace texts {
inline constexpr const char *kStatusWritingCycles = "Status: writing cycles";
inline constexpr const char *kStatusWritingSoftware = "Status: writing software";
inline constexpr const char *kStatusDone = "Status: Done";
inline constexpr const char *kStatusCyclesError = "Status: Error writing cycles";
inline constexpr const char *kStatusSoftwareError = "Status: Error writing software";
inline constexpr const char *kCycleFileUnreadable = "Error loading cycle file (*.kvt) file!";
inline constexpr const char *kCycleFileInvalid = "Invalid cycle file (*.kvt) file!";
inline constexpr const char *kSoftwareFileUnreadable = "Error loading software file (*.bin) file!";
inline constexpr const char *kSoftwareFileInvalid = "Invalid program file (*.bin) file!";
inline constexpr const char *kSoftwareWriteFailed = "Error during writing software!";
inline constexpr const char *kNetworkConfigDiffers =
    "Configuration differs from the one found in one or more machines! \rContinue?";
} // namespace texts

// The machines reachable over the RS-485 line: the port, what is shown and asked, and what
// the dialog remembers between openings.
struct NetworkLine {
    SerialPort &port;
    CommUi &ui;
    NetworkState &state;
};

// Opens the port with the network settings. On failure: the warning "Com port error!", then
// the plain box "Cannot open %s!" with the port name.
bool OpenNetworkPort(NetworkLine &line, const std::string &portName);

// Asks addresses 0 to 4 for their identity and lists every machine that answers validly, in
// address order with no tick and no picture. Returns how many were found.
int ScanNetwork(NetworkLine &line);

// Sets the progress counter and repaints the status bar.
void ShowNetworkProgress(NetworkLine &line, int counter);

} // namespace korvanta
