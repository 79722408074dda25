#pragma once
// The main of a benchmark that needs widgets: one QApplication, on the
// offscreen platform unless QT_QPA_PLATFORM names another, then every
// benchmark the command line selects.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

inline int RunWidgetBenchmarks(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
