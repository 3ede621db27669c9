#include "model/CycleStarts.h"

namespace korvanta {

void CycleStarts::Rebuild(const WashData &data) {
    entries_.fill(std::nullopt);
    int k = 0;
    const auto &records = data.Records();
    for (std::size_t i = 0; i < records.size() && k < kMaxCycles; ++i)
        if (records[i].type == RecordType::CycleStart)
            entries_[static_cast<std::size_t>(++k)] = i;
}

std::optional<std::size_t> CycleStarts::operator[](int k) const {
    if (k < 0)
        return std::nullopt;
    if (k > kMaxCycles)
        k = kMaxCycles;
    return entries_[static_cast<std::size_t>(k)];
}

} // namespace korvanta
