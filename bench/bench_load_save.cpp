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

// The largest file saved in the temporary folder for the time of one benchmark.
class LargestFile {
public:
    LargestFile()
        : path_((std::filesystem::temp_directory_path() / "kvt-bench-load-save.kvt").string()) {
        WashData data = LargestData();
        MachineConfig config;
        SaveWashData(path_, data, config, kContext);
    }
    ~LargestFile() { std::filesystem::remove(path_); }
    const std::string &Path() const { return path_; }

private:
    std::string path_;
};

enum FileWork { kLoadAndSave, kLoadOnly, kSaveOnly };

// Files: both halves in turn, then each alone (a save goes through a temporary file and a
// rename). Wall time, as the user waits for it.
void BM_File(benchmark::State &state) {
    const LargestFile file;
    const auto work = static_cast<FileWork>(state.range(0));
    WashData data = LargestData();
    MachineConfig config;
    for (auto _ : state) {
        if (work != kSaveOnly)
            benchmark::DoNotOptimize(LoadWashData(file.Path(), data, config).ok);
        if (work != kLoadOnly)
            benchmark::DoNotOptimize(SaveWashData(file.Path(), data, config, kContext).ok);
    }
    state.SetLabel(work == kLoadAndSave ? "load+save" : work == kLoadOnly ? "load" : "save");
}
BENCHMARK(BM_File)
    ->Arg(kLoadAndSave)
    ->Arg(kLoadOnly)
    ->Arg(kSaveOnly)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
