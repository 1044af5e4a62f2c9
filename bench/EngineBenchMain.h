#pragma once

// The main of a benchmark program that drives the engine plug-in (KILN_PLUGIN) directly in a
// simulated host, on Qt's offscreen platform unless QT_QPA_PLATFORM chooses another.

#include "bench/BenchRun.h"
#include "plugin/suites/HLKilnSuite.h"
#include "tests/support/EngineJob.h"

#include <QGuiApplication>


#include <iostream>
#include <string>

// Starts the host with the engine, points `host` and `kiln` at them while the benchmarks run,
// and returns the program's exit status.
inline int RunEngineBenchmarks(int argc, char** argv, hostsim::Host*& host, const HLKilnSuite*& kiln)
{
    ChooseOffscreenPlatform();
    QGuiApplication app(argc, argv);
    hostsim::Host started;
    std::string error;
    if (!started.LoadPlugin(KILN_PLUGIN, error)) {
        std::cerr << error << "\n";
        return 1;
    }
    started.Startup();
    kiln = AcquireHostSuite<HLKilnSuite>(started);
    if (kiln == nullptr)
        return 1;
    host = &started;
    RunBenchmarks(argc, argv);
    started.Shutdown();
    host = nullptr;
    kiln = nullptr;
    return 0;
}
