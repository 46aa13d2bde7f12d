// SPDX-License-Identifier: MIT
#pragma once

// The main() of every benchmark program: the registered benchmarks run inside a
// QApplication, on the offscreen platform unless QT_QPA_PLATFORM names another.

#include <benchmark/benchmark.h>

#include <QApplication>

// `prepare` runs once the application exists, before the first benchmark.
inline int runBenchmarks(int argc, char** argv, void (*prepare)(QApplication&) = nullptr)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (prepare)
        prepare(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
