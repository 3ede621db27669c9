#pragma once

#include <bitset>
#include <cstddef>
#include <optional>
#include <vector>

#include "model/WashRecord.h"

namespace korvanta {

// Cycle numbers carried by CycleStart records; only 1..99 are entered.
using UsedNumbers = std::bitset<kMaxCycles + 1>;

// The ordered record list holding every cycle: cycles of CycleStart, steps, CycleEnd, then
// one DataEnd. Data read from a file is taken as it comes, so every walk here stops at the end
// of the list as well as at the records that close a cycle.
class WashData {
public:
    // Empty wash data: only DataEnd.
    WashData();
    explicit WashData(std::vector<WashRecord> records);

    std::vector<WashRecord> &Records() { return records_; }
    const std::vector<WashRecord> &Records() const { return records_; }
    std::size_t Size() const { return records_.size(); }
    WashRecord &At(std::size_t index) { return records_.at(index); }
    const WashRecord &At(std::size_t index) const { return records_.at(index); }

    bool IsEmpty() const; // no cycles
    int CycleCount() const;
    // Steps of the k-th cycle (k from 1): records after its CycleStart up to the next
    // CycleEnd (or DataEnd, or the end of the list), not counting type 0; 0 if no such cycle.
    int StepCount(int k) const;
    // Steps after the CycleStart at this index, by the same rule.
    int StepCountAt(std::size_t cycleStartIndex) const;
    // Index of the k-th CycleStart by walking the list (k from 1).
    std::optional<std::size_t> CycleStartIndex(int k) const;

    UsedNumbers Used() const;
    // Smallest number 1..99 that no cycle carries.
    std::optional<int> LowestFreeNumber() const;

    void Insert(std::size_t index, WashRecord record);
    void Erase(std::size_t index);

    // Ensures the list ends with DataEnd (a file may lack it).
    void EnsureDataEnd();
    void Clear(); // back to empty wash data

    // Same records in the same order; Time is ignored.
    bool SameContent(const WashData &other) const;

private:
    std::vector<WashRecord> records_;
};

// True when data differs from the snapshot taken after the last load, save or New.
bool ChangedSinceSnapshot(const WashData &snapshot, const WashData &data);

} // namespace korvanta
