#include "config/MachineConfig.h"

namespace korvanta {

ConfigBytes MachineConfig::Bytes() const {
    return {machineType,     units,          drains,      inletOptions, heatKW,
            advance,         chemHold,       levelHysteresis, tempHysteresis, spinRetries,
            showTemp,        flowRate,       coldInletTemp,   hotInletTemp};
}

void MachineConfig::SetBytes(const ConfigBytes &b) {
    machineType = b[0];
    units = b[1];
    drains = b[2];
    inletOptions = b[3];
    heatKW = b[4];
    advance = b[5];
    chemHold = b[6];
    levelHysteresis = b[7];
    tempHysteresis = b[8];
    spinRetries = b[9];
    showTemp = b[10];
    flowRate = b[11];
    coldInletTemp = b[12];
    hotInletTemp = b[13];
}

bool ConfigChanged(const MachineConfig &config, const SavedConfig &saved) {
    return config.Bytes() != saved;
}

} // namespace korvanta
