#pragma once

#include <array>
#include <bitset>

namespace korvanta {

// Red marks of the main window: one flag per cycle number and one per (cycle number, step
// ordinal). Cycle numbers come from files and may be 0..255; step ordinals beyond 255 (only
// possible in a malformed file) are not marked.
class WarningMarks {
public:
    static constexpr int kNumbers = 256;
    static constexpr int kSteps = 256;

    void ClearCycle(int number);
    // Marks the step and its cycle.
    void MarkStep(int number, int step);
    bool CycleMarked(int number) const;
    bool StepMarked(int number, int step) const;

private:
    std::bitset<kNumbers> cycles_;
    std::array<std::bitset<kSteps>, kNumbers> steps_{};
};

} // namespace korvanta
