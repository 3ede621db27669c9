#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace korvanta {

constexpr int kConfigBytes = 14;
using ConfigBytes = std::array<uint8_t, kConfigBytes>;

// The one washer-extractor the wash data is written for. The 14 bytes are stored in this order
// in .kvt files and reach the machine with the cycles.
struct MachineConfig {
    uint8_t machineType = 18;     // index into MachineTypeTable, 0..27
    uint8_t units = 0;            // 1 = English display, anything else Metric
    uint8_t drains = 0x01;        // low nibble drain 1 (1 valve, 2 pump); high nibble drain 2
    uint8_t inletOptions = 0;     // bit 0: extra inlet for Fill steps
    uint8_t heatKW = 9;           // kW, 0 = no heat source
    uint8_t advance = 1;          // 1 = enabled
    uint8_t chemHold = 1;         // inverted: 0 = enabled, 1 = disabled
    uint8_t levelHysteresis = 2;  // choice index 0..2
    uint8_t tempHysteresis = 2;   // choice index 0..3
    uint8_t spinRetries = 5;      // 0..15
    uint8_t showTemp = 1;         // 1 = machine shows the temperature
    uint8_t flowRate = 17;        // litres per minute of one inlet
    uint8_t coldInletTemp = 40;   // TempCode (half degrees C)
    uint8_t hotInletTemp = 150;   // TempCode (half degrees C)
    std::string saveStamp;        // "ddmmyyhhnn" of the last save, 10 characters
    std::string savedBy;          // user or computer name, padded to 20 characters

    bool English() const { return units == 1; }
    ConfigBytes Bytes() const;
    void SetBytes(const ConfigBytes &bytes);
};

// Snapshot of the 14 bytes (not the texts) taken at start-up, after load, save and New.
using SavedConfig = ConfigBytes;

inline SavedConfig TakeSavedConfig(const MachineConfig &config) { return config.Bytes(); }
// True when any of the 14 bytes differs from the snapshot.
bool ConfigChanged(const MachineConfig &config, const SavedConfig &saved);

} // namespace korvanta
