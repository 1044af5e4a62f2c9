// Real-sized artwork: documents of 100, 1,000 and 10,000 objects of every kind, spot inks included
// (samples/large-document.py, seed 1, written by the build), in the host application with the
// viewer's panel, as in panel_zoom_bench.
//
// Generate/<objects>: the document opened afresh (not timed: the figure is over opening with the
// panel shown), then the host script line "menu Window/Hueline/Viewer/Generate_HL" until the
// window caught up with the proof painted; peak_MiB is the resident memory's largest rise during
// it. FirstGenerate/<objects>: the same, once, with no step before it: its peak_MiB is the rise
// over opening with the panel shown, as in a fresh host, when it runs in a process of its own
// (bench/run-each); later steps reuse memory the earlier ones freed. ZoomStep/<objects>/<zoom%>:
// one click of the zoom-in tool at the canvas's centre from Fit ArtBoard (zoom% 0) or 6400 %. The device pixel ratio is the process's (QT_SCALE_FACTOR).
// plugin_share is the viewer's own share (with its manager library and Qt's painting of the
// panel), apart from the engine's (engine_share) and the host's repaint of its document view
// (host_share). Fewer steps than panel_zoom_bench: a step of the largest document takes seconds.
// Counters: StepTimes's, and MeasureZoomStep's for the zoom.

#include "bench/BenchHost.h"
#include "bench/StepTimes.h"
#include "bench/ZoomStep.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kGenerations = 5;
constexpr int kZoomSteps = 10;
constexpr int kWarmUpSteps = 1;

BenchHost* g_host = nullptr;

std::string Document(benchmark::State& state)
{
    return LARGE_DOCUMENTS "/large-" + std::to_string(state.range(0)) + ".json";
}

void MeasureGenerate(benchmark::State& state, int warmUpSteps)
{
    const std::string document = Document(state);
    StepTimes(*g_host).Measure(state, [&document] { g_host->Open(document); },
                               "menu Window/Hueline/Viewer/Generate_HL", warmUpSteps);
}

void Generate(benchmark::State& state)
{
    MeasureGenerate(state, kWarmUpSteps);
}

void FirstGenerate(benchmark::State& state)
{
    MeasureGenerate(state, 0);
}

void ZoomStep(benchmark::State& state)
{
    const std::string entry = state.range(1) == 0 ? "nth:32" : std::to_string(state.range(1)) + "%";
    MeasureZoomStep(state, *g_host, Document(state), entry, kWarmUpSteps);
}

BENCHMARK(Generate)
    ->ArgsProduct({{100, 1000, 10000}})
    ->ArgNames({"objects"})
    ->UseManualTime()
    ->Iterations(kGenerations)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(FirstGenerate)
    ->ArgsProduct({{100, 1000, 10000}})
    ->ArgNames({"objects"})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ZoomStep)
    ->ArgsProduct({{100, 1000, 10000}, {0, 6400}})
    ->ArgNames({"objects", "zoom%"})
    ->UseManualTime()
    ->Iterations(kZoomSteps)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return BenchHost::RunBenchmarks(argc, argv, {}, [](BenchHost& host) { g_host = &host; });
}
