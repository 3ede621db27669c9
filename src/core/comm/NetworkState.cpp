#include "comm/NetworkState.h"

#include <algorithm>

#include "comm/FormatText.h"
#include "comm/NetworkTransfer.h"
#include "config/MachineTypeTable.h"

namespace korvanta {

std::string NetworkMachineCaption(int address) {
    return FormatText("Machine %2d", address);
}

std::string NetworkDesignation(int machineType) {
    if (machineType < 0 || machineType >= kMachineTypeCount)
        return "Unknown";
    return Designation(machineType);
}

// Software blocks are numbered from kFirstNetworkSoftwareBlock; the bar counts them from 0.
int NetworkProgressWidth(int width, int counter, int total) {
    if (total <= 0)
        return 0;
    const int blocks =
        counter >= kFirstNetworkSoftwareBlock ? counter - kFirstNetworkSoftwareBlock : counter;
    return width * std::clamp(blocks, 0, total) / total;
}

} // namespace korvanta
