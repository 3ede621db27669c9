// A full refresh of the main window (code 13: cycle list, step list, step editor) on the
// largest data the editor allows: 99 cycles of 99 steps. One refresh follows every command, so
// it should stay well inside a frame (16 ms).
#include <QApplication>
#include <benchmark/benchmark.h>

#include "BenchQtMain.h"
#include "config/ConfigStore.h"
#include "ui/TDebugForm.h"
#include "ui/TMainForm.h"

using namespace korvanta;

namespace {

WashRecord MakeStep(int index) {
    static constexpr RecordType kTypes[] = {RecordType::Fill, RecordType::Wash,   RecordType::Drain,
                                            RecordType::Spin, RecordType::Supply, RecordType::Soak,
                                            RecordType::Heat, RecordType::Aux};
    WashRecord step = WashRecord::MakeStep(kTypes[index % 8]);
    for (int n = 1; n <= kMaxCodes; ++n)
        if (step.Has(n))
            step.SetCode(n, (index * 7 + n * 13) % 60 + 1);
    return step;
}

WashData LargestData() {
    std::vector<WashRecord> records;
    for (int cycle = 1; cycle <= kMaxCycles; ++cycle) {
        records.push_back(WashRecord::MakeCycleStart(cycle, "Cycle " + std::to_string(cycle)));
        for (int step = 0; step < kMaxStepsPerCycle; ++step)
            records.push_back(MakeStep(cycle + step));
        records.push_back(WashRecord::MakeCycleEnd());
    }
    records.push_back(WashRecord::MakeDataEnd());
    return WashData(std::move(records));
}

// The main window holding the largest data, refreshed with one code per iteration.
void RefreshLargest(benchmark::State &state, int code) {
    TDebugForm debug;
    ConfigStore config;
    TMainForm window(debug, config, nullptr);
    window.show();
    window.Store().data = LargestData();
    window.AfterLoad();
    for (auto _ : state)
        window.RefreshView(code);
    state.counters["records"] = static_cast<double>(window.Store().data.Size());
    window.Options().warnFileChanged = false;
}

// After a command on cycles, a load or a configuration change: everything.
void BM_RefreshAll(benchmark::State &state) {
    RefreshLargest(state, 13);
}
BENCHMARK(BM_RefreshAll)->Unit(benchmark::kMillisecond);

// After an edit inside a step editor: the current cycle's row and the step list.
void BM_RefreshCycleRowAndSteps(benchmark::State &state) {
    RefreshLargest(state, 6);
}
BENCHMARK(BM_RefreshCycleRowAndSteps)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return RunWindowBenchmarks(argc, argv);
}
