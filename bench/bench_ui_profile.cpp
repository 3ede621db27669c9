// The cycle profile of a 99-step cycle: drawing it, and what the profile window does after an
// edit (estimate the cycle with its course, then repaint). Both should stay well inside a
// frame (16 ms).
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "BenchQtMain.h"
#include "BenchSteps.h"
#include "config/ConfigStore.h"
#include "estimate/Time_calc.h"
#include "ui/ProfilePainter.h"
#include "ui/TDebugForm.h"
#include "ui/TMainForm.h"
#include "ui/TProfileForm.h"

using namespace korvanta;

namespace {

// 99 steps of every type: fills, heating, cool-downs, drains and spins.
std::vector<WashRecord> LongCycle() {
    const std::vector<WashRecord> pattern = StepPattern();
    std::vector<WashRecord> records{WashRecord::MakeCycleStart(1, "Long cycle")};
    for (std::size_t s = 0; s < 99; ++s)
        records.push_back(pattern[s % pattern.size()]);
    records.push_back(WashRecord::MakeCycleEnd());
    records.push_back(WashRecord::MakeDataEnd());
    return records;
}

// PaintCycleProfile alone, into an image the size of the window's drawing.
void BM_PaintProfile99Steps(benchmark::State &state) {
    WashData data(LongCycle());
    const MachineConfig config;
    WarningMarks marks;
    std::string remark;
    CycleCourse course;
    EstimateCycle(data, 0, config, marks, 0, remark, &course);
    QImage image(760, 340, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintCycleProfile(painter, QRectF(image.rect()), course, config, "Cycle 1");
    }
    state.counters["points"] = static_cast<double>(course.points.size());
}
BENCHMARK(BM_PaintProfile99Steps)->Unit(benchmark::kMillisecond);

// The profile window after an edit: the estimate with its course and a repaint of the view.
void BM_ProfileWindowRefresh99Steps(benchmark::State &state) {
    TDebugForm debug;
    ConfigStore config;
    TMainForm window(debug, config, nullptr);
    window.show();
    window.Store().data = WashData(LongCycle());
    window.AfterLoad();
    TProfileForm &profile = window.Profile();
    profile.show();
    QWidget *view = profile.findChild<QWidget *>(QStringLiteral("ProfileView"));
    for (auto _ : state) {
        profile.Refresh();
        benchmark::DoNotOptimize(view->grab()); // paints the view as a repaint does
    }
    state.counters["steps"] = static_cast<double>(profile.Course().steps.size());
    window.Options().warnFileChanged = false;
}
BENCHMARK(BM_ProfileWindowRefresh99Steps)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return RunWindowBenchmarks(argc, argv);
}
