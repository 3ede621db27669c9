#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "model/WashData.h"

namespace korvanta {

// Index table of the first 99 CycleStart records of the wash data. Entry 0 is always none;
// a lookup above 99 uses entry 99. Rebuilt at the start of every main window refresh.
class CycleStarts {
public:
    void Rebuild(const WashData &data);
    std::optional<std::size_t> operator[](int k) const;

private:
    std::array<std::optional<std::size_t>, kMaxCycles + 1> entries_{};
};

} // namespace korvanta
