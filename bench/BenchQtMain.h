#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

// main() of a benchmark of window code: runs offscreen unless a platform is chosen.
inline int RunWindowBenchmarks(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
