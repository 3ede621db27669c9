#include "files/RawRecordRow.h"

namespace korvanta {

const std::array<const char *, kRawRowCells> kRawRowHeadings = {
    "Type", "Code1", "Code2", "Code3", "Code4", "Code5", "Code6", "Code7", "Time"};

namespace {
constexpr int kTimeCell = kRawRowCells - 1;
}

RawRow RawRecordRow(const WashRecord &record) {
    RawRow row;
    row[0] = std::to_string(static_cast<int>(record.type));
    if (record.type == RecordType::CycleStart) {
        row[1] = std::to_string(record.Code(1));
        row[2] = record.name;
        return row;
    }
    if (record.type == RecordType::CycleEnd || record.type == RecordType::DataEnd)
        return row;
    for (int n = 1; n <= kMaxCodes; ++n)
        if (record.Has(n))
            row[static_cast<std::size_t>(n)] = std::to_string(record.Code(n));
    if (record.IsStep())
        row[kTimeCell] = std::to_string(record.time);
    return row;
}

} // namespace korvanta
