#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/Controller.h"
#include "sim/FaultInjector.h"
#include "sim/NetworkMachine.h"

namespace korvanta::sim {

// Several machines sharing one RS-485 line: each answers the frames sent to its address; all
// take the broadcast data blocks sent to address FF, which nobody answers.
class NetworkBus {
public:
    static constexpr std::size_t kLongestFrame = 200; // a data block frame is 141 bytes

    NetworkBus(const ControllerOptions &options, FaultInjector &faults,
               std::vector<std::string> &log);

    std::vector<uint8_t> Receive(const uint8_t *data, std::size_t n);
    void LineIdle();

    NetworkMachine *Machine(int address);
    const NetworkMachine *Machine(int address) const;
    std::vector<NetworkMachine> &Machines() { return machines_; }
    const std::vector<NetworkMachine> &Machines() const { return machines_; }

private:
    std::vector<uint8_t> Answer(const std::string &body);
    void Broadcast(const std::string &text);

    FaultInjector &faults_;
    std::vector<std::string> &log_;
    std::vector<NetworkMachine> machines_;
    bool inFrame_ = false;
    std::string body_;
};

} // namespace korvanta::sim
