#pragma once

#include <string>
#include <vector>

#include "sim/Controller.h"

namespace korvanta::sim {

// Everything the simulator's command line sets: the controller model and how the
// pseudo-terminal host serves it.
struct SimSettings {
    ControllerOptions controller;
    int turnaroundMs = 2; // a real controller needs a moment before it answers
    int baud = 0;         // output pacing, 10 bits per byte; 0 sends at once
    std::string memoryDir;
    std::string linkPath;
    std::string logPath; // the requests received, a line each, written on exit
    bool help = false;
    bool version = false;
};

// args without the program name. Options take "--name value" or "--name=value"; numbers are
// decimal or 0x-prefixed hex. On a wrong command line returns false with the reason in *error.
bool ParseCommandLine(const std::vector<std::string> &args, SimSettings &settings,
                      std::string *error);

std::string UsageText();

} // namespace korvanta::sim
