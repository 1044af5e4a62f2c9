// The canvas's tools with the engine plug-in in the simulated host, on a canvas of 480 x 480
// logical pixels at device pixel ratio 2 (960 x 960 device pixels):
//
// ZoomStep/<sample>/<percent>: one click of the zoom-in tool at the canvas's centre, from the
// given zoom, until the new pixels are painted (the click's routing, the view change, the
// engine's RenderPreview and the paint). Samples: 0 the label, 1 the fine-detail sample.
// Counters: median_ms and worst_ms of the steps, plugin_share = the part of the step spent
// outside RenderPreview.
//
// RubberBandStep: one drag step of the zoom-in tool (the XOR band erased and drawn again by an
// overlay-only repaint) against FullRender: Invalidate and repaint, which renders. The counter
// engine_calls is the engine calls per step.

#include "plugin/EngineSuites.h"
#include "plugin/ScopedHostSuite.h"
#include "plugin/suites/AIDocumentSuite.h"
#include "plugin/suites/AIDocumentViewSuite.h"
#include "plugin/suites/AIUserSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "sim/host/StandardStartup.h"
#include "tests/support/EngineJob.h"
#include "toolkit/RVADM_ModalDialog.h"
#include "toolkit/RVADM_Tracker.h"
#include "viewer/JobViewFrame.h"

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <iostream>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// CPU time of this thread: the machine is shared, so wall times carry other programs' load.
double CpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

constexpr int kCanvasSide = 480;
constexpr int kCentre = kCanvasSide / 2;
const char* const kSamples[] = {SAMPLES_DIR "/label.json", SAMPLES_DIR "/fine-detail.json"};

struct Bench
{
    hostsim::Host* host = nullptr;
    JobViewFrame* frame = nullptr;
    HLKilnSuite timedKiln{};
    const HLKilnSuite* realKiln = nullptr;
    double cpuInRender = 0.0;
    int sample = -1;
} g_bench;

ASErr TimedRenderPreview(ASInt32 top, ASInt32 bottom, ASInt32 left, ASInt32 right, const double area[4], ASUInt32* pixels)
{
    const double start = CpuMilliseconds();
    const ASErr error = g_bench.realKiln->RenderPreview(top, bottom, left, right, area, pixels);
    g_bench.cpuInRender += CpuMilliseconds() - start;
    return error;
}

void Track(std::int32_t action, int x, int y)
{
    const std::uint32_t left = action == 2 || action == 1 ? std::uint32_t{qRVADM::kInputLeftButton} : 0u;
    g_bench.frame->Track(qRVADM::RVADM_Tracker(action, left, 0, {x, y}));
}

// Generates the sample's job (once per change of sample) and fits its page into the canvas.
bool ShowSample(int sample)
{
    if (sample == g_bench.sample)
        return true;
    std::string error;
    AIDocumentHandle document = g_bench.host->Documents().Open(kSamples[sample], error);
    const HLKilnODLSuite* odl = AcquireHostSuite<HLKilnODLSuite>(*g_bench.host);
    if (document == nullptr || odl == nullptr)
        return false;
    const auto result = odl->RunGeneration();
    const bool generated = odl->ResultSucceeded(result) != 0;
    odl->ReleaseResult(result);
    double height = 0.0;
    double width = 0.0;
    if (!generated || g_bench.realKiln->GetJobSize(&height, &width) != kNoErr)
        return false;
    g_bench.frame->SetJobDocument(document);
    g_bench.frame->ShowRect({0.0, height, 0.0, width});
    g_bench.sample = sample;
    return true;
}

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Sorts `values`: the median and the largest.
std::pair<double, double> MedianAndWorst(std::vector<double>& values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.back()};
}

void ZoomStep(benchmark::State& state)
{
    if (!ShowSample(static_cast<int>(state.range(0)))) {
        state.SkipWithError("the sample's job could not be generated");
        return;
    }
    const double factor = static_cast<double>(state.range(1)) / 100.0;
    const qreal ratio = g_bench.frame->devicePixelRatioF();
    QPixmap target(g_bench.frame->size() * ratio);
    target.setDevicePixelRatio(ratio);
    std::vector<double> wall;
    std::vector<double> cpu;
    double cpuTotal = 0.0;
    double cpuInRender = 0.0;
    for (auto _ : state) {
        g_bench.frame->SetZoom(factor);
        g_bench.cpuInRender = 0.0;
        const double cpuStart = CpuMilliseconds();
        const Clock::time_point start = Clock::now();
        Track(2, kCentre, kCentre);
        Track(-2, kCentre, kCentre);
        g_bench.frame->render(&target);
        const Clock::duration step = Clock::now() - start;
        cpu.push_back(CpuMilliseconds() - cpuStart);
        state.SetIterationTime(std::chrono::duration<double>(step).count());
        wall.push_back(Milliseconds(step));
        cpuTotal += cpu.back();
        cpuInRender += g_bench.cpuInRender;
    }
    const auto [wallMedian, wallWorst] = MedianAndWorst(wall);
    const auto [cpuMedian, cpuWorst] = MedianAndWorst(cpu);
    state.counters["median_ms"] = wallMedian;
    state.counters["worst_ms"] = wallWorst;
    state.counters["cpu_median_ms"] = cpuMedian;
    state.counters["cpu_worst_ms"] = cpuWorst;
    state.counters["plugin_share"] = 1.0 - cpuInRender / cpuTotal;
    state.counters["zoom_after"] = g_bench.frame->GetZoom() * 100.0;
}

void Repaints(benchmark::State& state, bool rubberBand)
{
    if (!ShowSample(0)) {
        state.SkipWithError("the label's job could not be generated");
        return;
    }
    g_bench.frame->SetZoom(1.0);
    g_bench.frame->repaint();
    Track(2, 100, 100);
    hostsim::ClearEngineCalls(*g_bench.host);
    int x = 0;
    for (auto _ : state) {
        if (rubberBand) {
            Track(1, 200 + x, 180 + x);
            x = (x + 1) % 100;
        } else {
            g_bench.frame->Invalidate();
            g_bench.frame->repaint();
        }
    }
    Track(-2, 100, 100);
    state.counters["engine_calls"] = benchmark::Counter(static_cast<double>(hostsim::EngineCalls(*g_bench.host).size()),
                                                        benchmark::Counter::kAvgIterations);
}

void RubberBandStep(benchmark::State& state)
{
    Repaints(state, true);
}

void FullRender(benchmark::State& state)
{
    Repaints(state, false);
}

BENCHMARK(ZoomStep)
    ->ArgsProduct({{0, 1}, {100, 6400, 64000}})
    ->UseManualTime()
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(RubberBandStep)->Unit(benchmark::kMillisecond);
BENCHMARK(FullRender)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    hostsim::Host host;
    std::string error;
    if (StartWithJob(host, KILN_PLUGIN, kSamples[0], error) == nullptr ||
        (g_bench.realKiln = AcquireHostSuite<HLKilnSuite>(host)) == nullptr) {
        std::cerr << error << "\n";
        return 1;
    }
    g_bench.timedKiln = *g_bench.realKiln;
    g_bench.timedKiln.RenderPreview = TimedRenderPreview;
    EngineSuitePointers().kiln = &g_bench.timedKiln;
    const ScopedHostSuite<AIDocumentSuite> documents(host.BasicSuite());
    const ScopedHostSuite<AIDocumentViewSuite> views(host.BasicSuite());
    const ScopedHostSuite<AIUserSuite> user(host.BasicSuite());
    {
        qRVADM::RVADM_ModalDialog dialog;
        JobViewFrame frame(&dialog);
        frame.SetBoundsRect({0, 0, kCanvasSide, kCanvasSide});
        frame.KeepZoomOnResize();
        dialog.GetWidget()->resize(kCanvasSide, kCanvasSide);
        dialog.GetWidget()->show();
        QApplication::processEvents();
        if (!frame.isVisible()) {
            std::cerr << "the canvas cannot be shown\n";
            return 1;
        }
        g_bench.host = &host;
        g_bench.frame = &frame;
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    EngineSuitePointers().kiln = nullptr;
    return 0;
}
