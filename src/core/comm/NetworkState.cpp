#include "comm/NetworkState.h"

#include <algorithm>
#include <cstring>

#include "comm/FormatText.h"
#include "config/MachineTypeTable.h"

namespace korvanta {

namespace {
// Software blocks are numbered from here; the bar counts them from 0 all the same.
constexpr int kSoftwareBlockBase = 2048;
} // namespace

std::string NetworkMachineCaption(int address) {
    return FormatText("Machine %2d", address);
}

std::string NetworkDesignation(int machineType) {
    if (machineType < 0 || machineType >= kMachineTypeCount)
        return "Unknown";
    const char *text = MachineTypeAt(machineType).designation;
    return std::string(text, strnlen(text, sizeof MachineTypeAt(machineType).designation));
}

int NetworkProgressWidth(int width, int counter, int total) {
    if (total <= 0)
        return 0;
    const int blocks = counter >= kSoftwareBlockBase ? counter - kSoftwareBlockBase : counter;
    return width * std::clamp(blocks, 0, total) / total;
}

} // namespace korvanta
