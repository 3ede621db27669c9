#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sim/MemoryLayout.h"

namespace korvanta::sim {

// The controller's non-volatile store: 256 cycle blocks, the software image and the machine
// parameters. Erased memory reads 0xFF, as flash does.
class MachineMemory {
public:
    MachineMemory();

    void EraseCycles();
    // Marks how many cycle blocks make up the stored file (1..256); 0 means none.
    void SetStoredCycleBlocks(int count);
    int StoredCycleBlocks() const { return storedCycleBlocks_; }
    void WriteCycleBlock(int block, const uint8_t *data);
    const uint8_t *CycleBlock(int block) const;
    std::vector<uint8_t> StoredCycles() const;
    void SetStoredCycles(const std::vector<uint8_t> &bytes);

    // The software image is erased in two sectors: 0 below 0x10000, 1 from there on.
    void EraseSoftwareSector(int sector);
    void WriteSoftwareBlock(int block, const uint8_t *data);
    const std::vector<uint8_t> &Software() const { return software_; }
    void SetSoftware(const std::vector<uint8_t> &image);
    bool SoftwareIntact() const;

    // Parameters 1 to 11 (prices, coins, decimal point) and 20 (life test) exist.
    static bool HasParameter(int address);
    uint16_t Parameter(int address) const;
    void SetParameter(int address, uint16_t value);

private:
    std::vector<uint8_t> cycles_;
    int storedCycleBlocks_ = 0;
    std::vector<uint8_t> software_;
    std::array<uint16_t, kParameterCount> parameters_{};
};

} // namespace korvanta::sim
