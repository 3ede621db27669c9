#pragma once

#include <initializer_list>
#include <vector>

#include "model/WashRecord.h"

namespace korvanta {

inline WashRecord BenchStep(RecordType type, std::initializer_list<int> codes) {
    return WashRecord::WithCodes(type, codes);
}

// A mix of every step type that exercises fills, heating, cool-downs, drains and spins.
inline std::vector<WashRecord> StepPattern() {
    return {
        BenchStep(RecordType::Fill, {0x11, 0, 20, 5, 0}),
        BenchStep(RecordType::Supply, {0x03, 0, 0, 45}),
        BenchStep(RecordType::Wash, {1, 120, 18, 3, 41, 8, 0}),
        BenchStep(RecordType::Heat, {150, 0, 15}),
        BenchStep(RecordType::Soak, {160, 1, 0}),
        BenchStep(RecordType::Wash, {5, 80, 18, 3, 41, 0, 15}),
        BenchStep(RecordType::Fill, {0x10, 120, 28, 0, 40}),
        BenchStep(RecordType::Aux, {2, 1, 0}),
        BenchStep(RecordType::Drain, {1, 1, 0}),
        BenchStep(RecordType::Spin, {800, 3, 0}),
        BenchStep(RecordType::Fill, {0x12, 0, 80, 2, 0}),
    };
}

} // namespace korvanta
