// Generate -> first pixels in the host application with Viewer.aip and KilnKernel.aip: from the
// click on the panel's Update button (the host script line "click Update") to the window caught
// up, the canvas showing its first painted proof of the label. Each iteration first edits the
// label and lets the panel's timer offer Update (not timed). The engine's part (RunGeneration,
// JobLoaded, RenderPreview) is timed inside the same iterations, interleaved with the viewer's.
//
// ChooseCurve: choosing a dot gain setting in the panel's list (the line "choose nth:1 Linear",
// after "Automatic" untimed) to the proof repainted with its curve, the engine's part likewise.
//
// Counters: as panel_zoom_bench's (StepTimes).

#include "bench/BenchHost.h"
#include "bench/StepTimes.h"

#include <benchmark/benchmark.h>


namespace {

// A setting whose curve prints every point as itself.
constexpr const char* kLinearSetting =
    "Version: 3\nIsFlexo: 0\nFirstDot: 1\nHasDarkening: 0\nFirstDotDarkening: 10\nDarkeningRange: 50\nHasTAC: 0\n"
    "TACLimit: 270\nHasDeviation: 0\nDeviationDistance: 0.1\nCheckAngleDifference30: 1\nCheckDifferentRulings: 1\n"
    "CheckSameAngles: 1\nCheckDifferentDotshape: 1\nExcludeMinLuminance: 1\nExcludeMaxLuminance: 1\n"
    "MinLuminanceValue: 0\nMaxLuminanceValue: 85\nExcludeMinDensity: 1\nExcludeMaxDensity: 1\nMinDensityValue: 5\n"
    "MaxDensityValue: 95\nMinimum Dot Gain: 0\n25 Dot Gain: 25\n50 Dot Gain: 50\n75 Dot Gain: 75\nMaximum Dot Gain: 100\n";

BenchHost* g_host = nullptr;

void GenerateToFirstPixels(benchmark::State& state)
{
    int step = 1;
    StepTimes(*g_host).Measure(state, [&step] {
        step = -step;
        g_host->Run("edit move 1 " + std::to_string(step) + " 0");
        g_host->Run("ticks 120");
    }, "click Update");
}

void ChooseCurve(benchmark::State& state)
{
    StepTimes(*g_host).Measure(state, [] { g_host->Run("choose nth:1 Automatic"); }, "choose nth:1 Linear");
}

BENCHMARK(GenerateToFirstPixels)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);
BENCHMARK(ChooseCurve)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return BenchHost::RunBenchmarks(argc, argv, {{"Hueline/dot_gain_curves/Linear.press", kLinearSetting}},
                                    [](BenchHost& host) {
                                        g_host = &host;
                                        host.Show(SAMPLES_DIR "/label.json");
                                    });
}
