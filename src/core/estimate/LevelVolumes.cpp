#include "estimate/LevelVolumes.h"

#include <algorithm>
#include <cmath>

#include "config/MachineTypeTable.h"

namespace korvanta {

int LevelVolume(int level, int machineType) {
    if (level <= 0)
        return 0;
    const MachineTypeRow &row = MachineTypeAt(machineType);
    const int64_t height =
        5 * (int64_t{level} + row.levelBase / 5);     // mm above the bottom of the tub
    const int64_t radius = (row.tubDiameter + 1) / 2; // mm
    // Above the top of the tub the wetted section is the whole circle; clamping also keeps
    // arccos inside its domain.
    const double cosine =
        std::clamp(static_cast<double>(radius - height) / static_cast<double>(radius), -1.0, 1.0);
    const double angle = 2.0 * std::acos(cosine);
    const int64_t k = (radius * radius + 10) / 20;
    // Circular segment area r^2/2 (a - sin a), here in units of 10 mm^2.
    int64_t area =
        static_cast<int64_t>(std::trunc(static_cast<double>(k) * (angle - std::sin(angle))));
    area = (area + 5) / 10; // cm^2
    // cm^2 times mm gives tenths of cm^3; a thousand of them make a decilitre.
    return static_cast<int>((area * row.tubDepth + 500) / 1000);
}

int LevelVolume(int level, const MachineConfig &config) {
    return LevelVolume(level, config.machineType);
}

LevelVolumes::LevelVolumes(int machineType) {
    for (int level = 0; level <= kMaxLevel; ++level)
        volumes_[static_cast<std::size_t>(level)] = LevelVolume(level, machineType);
}

int64_t LevelVolumes::VolumeAt(int64_t level) const {
    return volumes_[static_cast<std::size_t>(std::clamp<int64_t>(level, 0, kMaxLevel))];
}

int64_t LevelVolumes::LevelFor(int64_t volumeDl) const {
    for (int level = 0; level <= kMaxLevel; ++level)
        if (volumes_[static_cast<std::size_t>(level)] >= volumeDl)
            return level;
    return kMaxLevel;
}

} // namespace korvanta
