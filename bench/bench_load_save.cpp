#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "files/Opensavewashdata.h"

using namespace korvanta;

namespace {

// The largest file the editor can make: 99 cycles of 99 steps, the step types in turn.
WashData LargestData() {
    const RecordType types[] = {RecordType::Fill,  RecordType::Wash, RecordType::Supply,
                                RecordType::Drain, RecordType::Spin, RecordType::Soak,
                                RecordType::Aux,   RecordType::Heat};
    WashData data;
    auto &records = data.Records();
    records.clear();
    for (int cycle = 1; cycle <= kMaxCycles; ++cycle) {
        records.push_back(WashRecord::MakeCycleStart(cycle, "Cycle " + std::to_string(cycle)));
        for (int step = 0; step < kMaxStepsPerCycle; ++step) {
            WashRecord record = WashRecord::MakeStep(types[step % 8]);
            for (int n = 1; n <= CodeCount(record.type); ++n)
                record.SetCode(n, (cycle * 7 + step * 3 + n) % 256);
            records.push_back(record);
        }
        records.push_back(WashRecord::MakeCycleEnd());
    }
    records.push_back(WashRecord::MakeDataEnd());
    return data;
}

const SaveContext kContext{LocalDateTime{2025, 12, 8, 11, 55}, SaverNames{"bench", "HOST"}};

void BM_LoadSaveImage(benchmark::State &state) {
    WashData data = LargestData();
    MachineConfig config;
    const FileImage image = WriteWashData(data, config, kContext);
    for (auto _ : state) {
        WashData loaded;
        MachineConfig loadedConfig;
        benchmark::DoNotOptimize(ReadWashData(image, loaded, loadedConfig).ok);
        benchmark::DoNotOptimize(WriteWashData(loaded, loadedConfig, kContext).size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 2 *
                            static_cast<int64_t>(image.size()));
}
BENCHMARK(BM_LoadSaveImage)->Unit(benchmark::kMicrosecond);

void BM_LoadSaveFile(benchmark::State &state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::string path = (folder / "kvt-bench-load-save.kvt").string();
    WashData data = LargestData();
    MachineConfig config;
    SaveWashData(path, data, config, kContext);
    for (auto _ : state) {
        WashData loaded;
        MachineConfig loadedConfig;
        benchmark::DoNotOptimize(LoadWashData(path, loaded, loadedConfig).ok);
        benchmark::DoNotOptimize(SaveWashData(path, loaded, loadedConfig, kContext).ok);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadSaveFile)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The two halves apart: reading a file, and saving through a temporary file and a rename.
void BM_LoadFile(benchmark::State &state) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "kvt-bench-load.kvt").string();
    WashData data = LargestData();
    MachineConfig config;
    SaveWashData(path, data, config, kContext);
    for (auto _ : state) {
        WashData loaded;
        MachineConfig loadedConfig;
        benchmark::DoNotOptimize(LoadWashData(path, loaded, loadedConfig).ok);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_SaveFile(benchmark::State &state) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "kvt-bench-save.kvt").string();
    WashData data = LargestData();
    MachineConfig config;
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveWashData(path, data, config, kContext).ok);
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
