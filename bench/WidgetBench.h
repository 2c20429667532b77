#pragma once

// The main of the benchmarks that paint widgets: an offscreen application (unless
// QT_QPA_PLATFORM says otherwise) around the benchmark run. aufraeumen runs while the
// application still exists, for widgets the benchmarks share.

#include <QApplication>

#include <benchmark/benchmark.h>

#include <functional>

namespace rinolux::bench {

inline int widgetBenchmarksLaufen(int argc, char **argv, const std::function<void()> &aufraeumen = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (aufraeumen)
        aufraeumen();
    return 0;
}

} // namespace rinolux::bench
