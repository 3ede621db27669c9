#include "model/WashRecord.h"

#include <utility>

namespace korvanta {

bool IsStep(RecordType type) {
    const auto value = static_cast<uint8_t>(type);
    return value >= 1 && value <= 8;
}

int CodeCount(RecordType type) {
    switch (type) {
    case RecordType::CycleStart: return 1;
    case RecordType::Fill: return 5;
    case RecordType::Wash: return 7;
    case RecordType::Supply: return 4;
    case RecordType::Drain:
    case RecordType::Spin:
    case RecordType::Soak:
    case RecordType::Aux:
    case RecordType::Heat: return 3;
    default: return 0;
    }
}

int WashRecord::Code(int n) const {
    if (n < 1 || n > kMaxCodes)
        return 0;
    return codes[n - 1].value_or(0);
}

bool WashRecord::Has(int n) const {
    return n >= 1 && n <= kMaxCodes && codes[n - 1].has_value();
}

void WashRecord::SetCode(int n, int value) {
    if (n >= 1 && n <= kMaxCodes)
        codes[n - 1] = value;
}

bool WashRecord::SameContent(const WashRecord &other) const {
    if (type != other.type || codes != other.codes)
        return false;
    return type != RecordType::CycleStart || name == other.name;
}

WashRecord WashRecord::MakeStep(RecordType type) {
    WashRecord record;
    record.type = type;
    for (int n = 1; n <= CodeCount(type); ++n)
        record.SetCode(n, 0);
    return record;
}

WashRecord WashRecord::WithCodes(RecordType type, std::initializer_list<int> codes) {
    WashRecord record;
    record.type = type;
    int n = 1;
    for (int code : codes)
        record.SetCode(n++, code);
    return record;
}

WashRecord WashRecord::MakeCycleStart(int number, std::string name) {
    WashRecord record;
    record.type = RecordType::CycleStart;
    record.SetCode(1, number);
    record.name = std::move(name);
    return record;
}

WashRecord WashRecord::MakeCycleEnd() {
    WashRecord record;
    record.type = RecordType::CycleEnd;
    return record;
}

WashRecord WashRecord::MakeDataEnd() { return WashRecord{}; }

} // namespace korvanta
