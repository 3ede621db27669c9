#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "comm/ReplyBuffer.h"

namespace korvanta {

// Picture of a machine in the network list.
enum class NetworkImage {
    None,          // as found by the scan
    Written,       // the last cycles write reached it
    ConfigDiffers, // its configuration differs from the cycles being written
};

// One machine that answered the scan, as the network dialog remembers it.
struct NetworkMachine {
    int address = 0;
    int machineType = 0xFF; // as reported; 0xFF (or anything outside the table) is unknown
    int drains = 0;         // the drains byte, nibbles already swapped back
    bool ticked = false;
    NetworkImage image = NetworkImage::None;
};

// What the network dialog keeps for the life of the program; each scan rebuilds the list.
struct NetworkState {
    ReplyBuffer reply;
    std::vector<NetworkMachine> machines; // in address order
    int blockCounter = 0;                 // progress; software blocks count from 2048
    int blockTotal = 0;
};

// "Machine %2d" with the address.
std::string NetworkMachineCaption(int address);
// The designation of the machine type, or "Unknown" for a type outside the table.
std::string NetworkDesignation(int machineType);
// Pixels of a progress panel `width` wide that the bar covers.
int NetworkProgressWidth(int width, int counter, int total);

} // namespace korvanta
