#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchSteps.h"
#include "estimate/Time_calc.h"

using namespace korvanta;

namespace {

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
