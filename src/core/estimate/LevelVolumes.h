#pragma once

#include <array>
#include <cstdint>

#include "config/MachineConfig.h"

namespace korvanta {

constexpr int kMaxLevel = 80; // "Over": the highest level code

// Decilitres of water standing at a level in the tub of a machine type, computed directly (no
// clamp to kMaxLevel). The tub is a horizontal cylinder; the level scale starts LevelBase mm
// above its bottom, so any nonzero level also holds the water below the scale. Levels below 0
// hold nothing; a level above the top of the tub counts as a full tub.
int LevelVolume(int level, int machineType);
int LevelVolume(int level, const MachineConfig &config);

// The volume of every level 0..80 of one machine type, built once per estimate.
class LevelVolumes {
public:
    explicit LevelVolumes(int machineType);

    // Decilitres at a level; a level above 80 counts as 80, one below 0 as 0.
    int64_t VolumeAt(int64_t level) const;
    // The lowest level that holds at least this volume; 80 when even level 80 holds less.
    int64_t LevelFor(int64_t volumeDl) const;

private:
    std::array<int64_t, kMaxLevel + 1> volumes_{}; // decilitres
};

} // namespace korvanta
