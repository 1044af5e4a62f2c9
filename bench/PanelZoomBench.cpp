// One click of the zoom-in tool through the whole panel, as a person makes it: the host
// application with Viewer.aip and KilnKernel.aip, the viewer setting the engine up as it does for
// a user (trap layer on and the rest of its start-up settings), the sample generated in the
// viewer's panel beside the document at the window size of samples/start.hls, the view linked.
// The step is the host script line "canvas click X Y" at the canvas's centre: the tool, the canvas,
// the zoom menu, the push to the host's view, then the window caught up: the canvas's
// RenderPreview and paint, and the host's repaint of its document view.
//
// ZoomStep/<sample>/<zoom%>: from the zoom menu's level (Fit ArtBoard, then the level; not
// timed), five untimed steps first. Samples: 0 the label, 1 the fine-detail sample. The device
// pixel ratio is the process's (QT_SCALE_FACTOR); the counter ratio says which. For figures that
// do not depend on what ran before, run one benchmark per process (bench/run-each,
// docs/performance.md). Counters: StepTimes's and MeasureZoomStep's.

#include "bench/BenchHost.h"
#include "bench/ZoomStep.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kSteps = 40;
constexpr int kWarmUpSteps = 5;
const char* const kSamples[] = {SAMPLES_DIR "/label.json", SAMPLES_DIR "/fine-detail.json"};

BenchHost* g_host = nullptr;

void ZoomStep(benchmark::State& state)
{
    MeasureZoomStep(state, *g_host, kSamples[state.range(0)], std::to_string(state.range(1)) + "%", kWarmUpSteps);
}

BENCHMARK(ZoomStep)
    ->ArgsProduct({{0, 1}, {100, 6400, 64000}})
    ->ArgNames({"sample", "zoom%"})
    ->UseManualTime()
    ->Iterations(kSteps)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return BenchHost::RunBenchmarks(argc, argv, {}, [](BenchHost& host) { g_host = &host; });
}
