#include "sim/MachineMemory.h"

#include <algorithm>

namespace korvanta::sim {

namespace {
constexpr uint8_t kErased = 0xFF;
constexpr std::size_t kSectorSplit = 0x10000;
constexpr std::size_t kMarkerOffset = 0x1E7FC; // 0x55 0xAA, then the word sum high byte first
constexpr int kLifeTestParameter = 20;
constexpr int kLastPriceParameter = 11;
} // namespace

MachineMemory::MachineMemory()
    : cycles_(kBlockBytes * kCycleBlockCount, kErased), software_(kSoftwareImageBytes, kErased) {}

void MachineMemory::EraseCycles() {
    std::fill(cycles_.begin(), cycles_.end(), kErased);
    storedCycleBlocks_ = 0;
}

void MachineMemory::SetStoredCycleBlocks(int count) {
    storedCycleBlocks_ = std::clamp(count, 0, kCycleBlockCount);
}

void MachineMemory::WriteCycleBlock(int block, const uint8_t *data) {
    if (block < 0 || block >= kCycleBlockCount)
        return;
    std::copy(data, data + kBlockBytes, cycles_.begin() + block * kBlockBytes);
}

const uint8_t *MachineMemory::CycleBlock(int block) const {
    if (block < 0 || block >= kCycleBlockCount)
        return nullptr;
    return cycles_.data() + block * kBlockBytes;
}

std::vector<uint8_t> MachineMemory::StoredCycles() const {
    return {cycles_.begin(), cycles_.begin() + storedCycleBlocks_ * kBlockBytes};
}

void MachineMemory::SetStoredCycles(const std::vector<uint8_t> &bytes) {
    EraseCycles();
    std::size_t n = std::min(bytes.size(), cycles_.size());
    std::copy(bytes.begin(), bytes.begin() + n, cycles_.begin());
    storedCycleBlocks_ = static_cast<int>((n + kBlockBytes - 1) / kBlockBytes);
}

void MachineMemory::EraseSoftwareSector(int sector) {
    auto begin = software_.begin() + (sector == 0 ? 0 : kSectorSplit);
    auto end = sector == 0 ? software_.begin() + kSectorSplit : software_.end();
    std::fill(begin, end, kErased);
}

void MachineMemory::WriteSoftwareBlock(int block, const uint8_t *data) {
    if (block < 0 || block >= kSoftwareBlockCount)
        return;
    std::copy(data, data + kBlockBytes, software_.begin() + block * kBlockBytes);
}

void MachineMemory::SetSoftware(const std::vector<uint8_t> &image) {
    std::fill(software_.begin(), software_.end(), kErased);
    std::copy(image.begin(), image.begin() + std::min(image.size(), software_.size()),
              software_.begin());
}

bool MachineMemory::SoftwareIntact() const {
    if (software_[kMarkerOffset] != 0x55 || software_[kMarkerOffset + 1] != 0xAA)
        return false;
    unsigned sum = 0;
    for (std::size_t i = 0; i < kMarkerOffset; i += 2)
        sum += static_cast<unsigned>(software_[i] << 8 | software_[i + 1]);
    unsigned stored =
        static_cast<unsigned>(software_[kMarkerOffset + 2] << 8 | software_[kMarkerOffset + 3]);
    return (sum & 0xFFFFu) == stored;
}

bool MachineMemory::HasParameter(int address) {
    return (address >= 1 && address <= kLastPriceParameter) || address == kLifeTestParameter;
}

uint16_t MachineMemory::Parameter(int address) const {
    if (address < 0 || address >= kParameterCount)
        return 0;
    return parameters_[static_cast<std::size_t>(address)];
}

void MachineMemory::SetParameter(int address, uint16_t value) {
    if (address >= 0 && address < kParameterCount)
        parameters_[static_cast<std::size_t>(address)] = value;
}

} // namespace korvanta::sim
