#pragma once

#include <string>
#include <vector>

#include "comm/SerialPort.h"

namespace korvanta {

// Opens the port quietly, asks once for the version texts and closes it again: true when a
// machine gave a well-formed answer.
bool ProbeMachine(SerialPort &port, const std::string &name);

struct Detection {
    int index = -1;      // the first port, in list order, on which a machine answered
    std::string message; // "Machine detected on NAME" or "No machine found!"
};

Detection DetectMachine(SerialPort &port, const std::vector<std::string> &names);

} // namespace korvanta
