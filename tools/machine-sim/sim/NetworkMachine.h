#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sim/Controller.h"
#include "sim/MachineMemory.h"

namespace korvanta::sim {

// One machine on the RS-485 line. Broadcast blocks of 64 bytes are collected while a transfer
// is open ("A" opens it); "BF" commits the blocks received so far into the machine's memory
// when none is missing, "GO" closes the transfer.
class NetworkMachine {
public:
    static constexpr std::size_t kNetworkBlockBytes = 64;
    static constexpr int kFirstSoftwareNetworkBlock = 2048;

    NetworkMachine(int address, const ControllerOptions &options);

    int Address() const { return address_; }
    // The reply text to an addressed request; empty when the machine stays silent.
    std::string Answer(const std::string &text);
    // A broadcast "BW" block; damaged is true when its data could not be read.
    void TakeBlock(int number, const std::array<uint8_t, kNetworkBlockBytes> &data, bool damaged);

    MachineMemory &Memory() { return memory_; }
    const MachineMemory &Memory() const { return memory_; }

private:
    std::string Identify() const;
    std::string Commit(const std::string &number);

    int address_;
    const ControllerOptions &options_;
    MachineMemory memory_;
    bool open_ = false;
    int lastGood_ = -1; // -1: the last broadcast block was damaged, or none came yet
    std::map<int, std::array<uint8_t, kNetworkBlockBytes>> blocks_;
};

} // namespace korvanta::sim
