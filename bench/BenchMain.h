#pragma once

#include "platform/HeapTuning.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace bench {

// Every benchmark program starts as the designer does (the heap tuned, a GUI
// application for fonts and images, offscreen unless told otherwise), then
// runs what the command line selects. `prepare` runs once the application exists.
inline int RunBenchmarks(int argc, char** argv, void (*prepare)() = nullptr)
{
    platform::TuneHeapForPageImages();
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication app(argc, argv);
    if (prepare != nullptr) {
        prepare();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
