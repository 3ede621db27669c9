#include "model/WashDataSize.h"

namespace korvanta {

std::size_t RecordFileSize(RecordType type) {
    switch (type) {
    case RecordType::CycleStart: return 19; // type, number, 17-byte name
    case RecordType::CycleEnd:
    case RecordType::DataEnd: return 1;
    default: return IsStep(type) ? 1 + static_cast<std::size_t>(CodeCount(type)) : 0;
    }
}

std::size_t WashDataFileSize(const WashData &data) {
    std::size_t size = kWashDataHeaderBytes;
    for (const auto &record : data.Records())
        size += RecordFileSize(record.type);
    return size;
}

} // namespace korvanta
