#include "model/WashData.h"

#include <utility>

namespace korvanta {

WashData::WashData() : records_{WashRecord::MakeDataEnd()} {}

WashData::WashData(std::vector<WashRecord> records) : records_(std::move(records)) {}

bool WashData::IsEmpty() const { return CycleCount() == 0; }

int WashData::CycleCount() const {
    int count = 0;
    for (const auto &record : records_)
        if (record.type == RecordType::CycleStart)
            ++count;
    return count;
}

int WashData::StepCountAt(std::size_t cycleStartIndex) const {
    int count = 0;
    for (std::size_t i = cycleStartIndex + 1; i < records_.size(); ++i) {
        const RecordType type = records_[i].type;
        if (type == RecordType::CycleEnd || type == RecordType::DataEnd)
            break;
        if (type != RecordType::CycleStart)
            ++count;
    }
    return count;
}

int WashData::StepCount(int k) const {
    const auto index = CycleStartIndex(k);
    return index ? StepCountAt(*index) : 0;
}

std::optional<std::size_t> WashData::CycleStartIndex(int k) const {
    if (k < 1)
        return std::nullopt;
    int seen = 0;
    for (std::size_t i = 0; i < records_.size(); ++i)
        if (records_[i].type == RecordType::CycleStart && ++seen == k)
            return i;
    return std::nullopt;
}

UsedNumbers WashData::Used() const {
    UsedNumbers used;
    for (const auto &record : records_) {
        if (record.type != RecordType::CycleStart)
            continue;
        const int number = record.Code(1);
        if (number >= 1 && number <= kMaxCycles)
            used.set(static_cast<std::size_t>(number));
    }
    return used;
}

std::optional<int> WashData::LowestFreeNumber() const {
    const UsedNumbers used = Used();
    for (int number = 1; number <= kMaxCycles; ++number)
        if (!used.test(static_cast<std::size_t>(number)))
            return number;
    return std::nullopt;
}

void WashData::Insert(std::size_t index, WashRecord record) {
    if (index > records_.size())
        index = records_.size();
    records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(index), std::move(record));
}

void WashData::Erase(std::size_t index) {
    if (index < records_.size())
        records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index));
}

void WashData::EnsureDataEnd() {
    if (records_.empty() || records_.back().type != RecordType::DataEnd)
        records_.push_back(WashRecord::MakeDataEnd());
}

void WashData::Clear() { records_.assign(1, WashRecord::MakeDataEnd()); }

bool WashData::SameContent(const WashData &other) const {
    if (records_.size() != other.records_.size())
        return false;
    for (std::size_t i = 0; i < records_.size(); ++i)
        if (!records_[i].SameContent(other.records_[i]))
            return false;
    return true;
}

bool ChangedSinceSnapshot(const WashData &snapshot, const WashData &data) {
    return !snapshot.SameContent(data);
}

} // namespace korvanta
