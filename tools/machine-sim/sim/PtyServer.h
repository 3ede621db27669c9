#pragma once

#include <string>

#include "sim/CommandLine.h"
#include "sim/Controller.h"

namespace korvanta::sim {

// Serves a Controller on the master side of a pseudo-terminal, in raw mode. The server keeps a
// handle on the terminal side itself, so a peer that closes and opens the terminal again finds
// it as before. Replies leave after the turnaround delay, paced at the line speed when one is
// set.
class PtyServer {
public:
    PtyServer(Controller &controller, const SimSettings &settings);
    ~PtyServer();
    PtyServer(const PtyServer &) = delete;
    PtyServer &operator=(const PtyServer &) = delete;

    bool Open(std::string *error);
    const std::string &TerminalName() const { return terminalName_; }

    // Runs until SIGTERM or SIGINT arrives (both are blocked outside the wait, so none is lost).
    void Serve();

private:
    void Answer(const uint8_t *data, std::size_t n);
    void Send(const std::vector<uint8_t> &bytes);

    Controller &controller_;
    const SimSettings &settings_;
    int master_ = -1;
    int terminal_ = -1;
    std::string terminalName_;
};

} // namespace korvanta::sim
