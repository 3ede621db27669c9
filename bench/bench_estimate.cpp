#include <benchmark/benchmark.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "estimate/Time_calc.h"

using namespace korvanta;

namespace {

WashRecord Step(RecordType type, std::initializer_list<int> codes) {
    return WashRecord::WithCodes(type, codes);
}

// A mix of every step type that exercises fills, heating, cool-downs and spins.
std::vector<WashRecord> StepPattern() {
    return {
        Step(RecordType::Fill, {0x11, 0, 20, 5, 0}),
        Step(RecordType::Supply, {0x03, 0, 0, 45}),
        Step(RecordType::Wash, {1, 120, 18, 3, 41, 8, 0}),
        Step(RecordType::Heat, {150, 0, 15}),
        Step(RecordType::Soak, {160, 1, 0}),
        Step(RecordType::Wash, {5, 80, 18, 3, 41, 0, 15}),
        Step(RecordType::Fill, {0x10, 120, 28, 0, 40}),
        Step(RecordType::Aux, {2, 1, 0}),
        Step(RecordType::Drain, {1, 1, 0}),
        Step(RecordType::Spin, {800, 3, 0}),
        Step(RecordType::Fill, {0x12, 0, 80, 2, 0}),
    };
}

// 99 cycles of 99 steps each: the largest wash data the editor allows.
WashData FullData(std::vector<std::size_t> &starts) {
    const std::vector<WashRecord> pattern = StepPattern();
    std::vector<WashRecord> records;
    for (int number = 1; number <= 99; ++number) {
        starts.push_back(records.size());
        records.push_back(WashRecord::MakeCycleStart(number, "Cycle " + std::to_string(number)));
        for (std::size_t s = 0; s < 99; ++s)
            records.push_back(pattern[(s + static_cast<std::size_t>(number)) % pattern.size()]);
        records.push_back(WashRecord::MakeCycleEnd());
    }
    records.push_back(WashRecord::MakeDataEnd());
    return WashData(records);
}

void BM_EstimateAllCycles(benchmark::State &state) {
    std::vector<std::size_t> starts;
    WashData data = FullData(starts);
    const MachineConfig config;
    WarningMarks marks;
    std::string remark;
    for (auto _ : state) {
        uint64_t total = 0;
        for (std::size_t start : starts)
            total += EstimateCycle(data, start, config, marks, 1, remark);
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(starts.size()));
}
BENCHMARK(BM_EstimateAllCycles)->Unit(benchmark::kMillisecond);

// One 99-step cycle, without (0) and with (1) its course recorded.
void BM_EstimateOneCycle(benchmark::State &state) {
    std::vector<std::size_t> starts;
    WashData data = FullData(starts);
    const MachineConfig config;
    WarningMarks marks;
    std::string remark;
    CycleCourse course;
    CycleCourse *recorder = state.range(0) != 0 ? &course : nullptr;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            EstimateCycle(data, starts[0], config, marks, 1, remark, recorder));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EstimateOneCycle)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
