// The preview canvas (480 x 480 logical pixels at device pixel ratio 2, i.e. 960 x 960 device
// pixels, shown on the offscreen screen) with the engine plug-in in the simulated host.
//
// CachedRepaint / RenderingRepaint: a repaint that reuses the cached image against a repaint after
// Invalidate, which renders the same view again (the label's page fitted).
//
// ZoomStep/<sample>/<percent>: one click of the zoom-in tool at the canvas's centre, from the
// given zoom, until the new pixels are painted (routing, view change, RenderPreview, paint).
// Samples: 0 the label, 1 the fine-detail sample. Counters: median_ms and worst_ms of the steps
// (wall), cpu_median_ms and cpu_worst_ms (the process's CPU time, the engine's second thread
// included: the machine is shared), and
// plugin_share = the part of the steps' CPU time spent outside RenderPreview.
//
// PixelsAsked/<percent>: one rendering repaint of the label at the zoom (150000 asks past the
// clamp): asked_per_shown is the device pixels RenderPreview was asked for over the canvas's device
// pixels, page_per_shown what a renderer of the whole page would need at that zoom over the same,
// cache_MB the bytes of the one cached image.
//
// RubberBandStep: one drag step of the zoom-in tool: the XOR band erased and drawn again by an
// overlay-only repaint; compare with RenderingRepaint.
//
// The counter engine_calls is the engine calls per iteration (RenderPreview is the only one).

#include "bench/BenchRun.h"
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
#include "viewer/canvas/JobViewFrame.h"

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kCanvasSide = 480;
constexpr int kCentre = kCanvasSide / 2;
const char* const kSamples[] = {SAMPLES_DIR "/label.json", SAMPLES_DIR "/fine-detail.json"};

struct Bench
{
    hostsim::Host* host = nullptr;
    JobViewFrame* frame = nullptr;
    const HLKilnSuite* realKiln = nullptr;
    HLKilnSuite timedKiln{};
    double cpuInRender = 0.0;
    int sample = -1;
    double jobHeight = 0.0;  // mm, of the sample shown
    double jobWidth = 0.0;
} g_bench;

double CpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

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

// Generates the sample's job when another sample is shown, and fits its page into the canvas.
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
    g_bench.jobHeight = height;
    g_bench.jobWidth = width;
    return true;
}

QPixmap Target()
{
    const qreal ratio = g_bench.frame->devicePixelRatioF();
    QPixmap target(g_bench.frame->size() * ratio);
    target.setDevicePixelRatio(ratio);
    return target;
}

void CountEngineCalls(benchmark::State& state)
{
    state.counters["engine_calls"] = benchmark::Counter(static_cast<double>(hostsim::EngineCalls(*g_bench.host).size()),
                                                        benchmark::Counter::kAvgIterations);
}

// Sorts `values`; their median and their largest.
std::pair<double, double> MedianAndWorst(std::vector<double>& values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.back()};
}

void Paint(benchmark::State& state, bool invalidate)
{
    if (!ShowSample(0)) {
        state.SkipWithError("the label's job could not be generated");
        return;
    }
    QPixmap target = Target();
    g_bench.frame->render(&target);
    hostsim::ClearEngineCalls(*g_bench.host);
    for (auto _ : state) {
        if (invalidate)
            g_bench.frame->Invalidate();
        g_bench.frame->render(&target);
    }
    CountEngineCalls(state);
    state.counters["device_px"] = target.width() * target.height();
}

void CachedRepaint(benchmark::State& state)
{
    Paint(state, false);
}

void RenderingRepaint(benchmark::State& state)
{
    Paint(state, true);
}

void ZoomStep(benchmark::State& state)
{
    if (!ShowSample(static_cast<int>(state.range(0)))) {
        state.SkipWithError("the sample's job could not be generated");
        return;
    }
    const double factor = static_cast<double>(state.range(1)) / 100.0;
    QPixmap target = Target();
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
        const std::chrono::duration<double> step = Clock::now() - start;
        cpu.push_back(CpuMilliseconds() - cpuStart);
        state.SetIterationTime(step.count());
        wall.push_back(step.count() * 1e3);
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

// Device pixels of the engine's last RenderPreview request; 0 without one.
double LastAskedPixels()
{
    double asked = 0.0;
    for (const std::string& call : hostsim::EngineCalls(*g_bench.host)) {
        int top = 0, bottom = 0, left = 0, right = 0;
        if (std::sscanf(call.c_str(), "RenderPreview(%d, %d, %d, %d", &top, &bottom, &left, &right) == 4)
            asked = static_cast<double>(bottom - top) * (right - left);
    }
    return asked;
}

void PixelsAsked(benchmark::State& state)
{
    if (!ShowSample(0)) {
        state.SkipWithError("the label's job could not be generated");
        return;
    }
    QPixmap target = Target();
    g_bench.frame->SetZoom(static_cast<double>(state.range(0)) / 100.0);
    for (auto _ : state) {
        hostsim::ClearEngineCalls(*g_bench.host);
        g_bench.frame->Invalidate();
        g_bench.frame->render(&target);
    }
    const double shown = static_cast<double>(target.width()) * target.height();
    const JobRect& view = g_bench.frame->Geometry().ViewRect();
    const double page = g_bench.jobWidth / (view.x1 - view.x0) * g_bench.jobHeight / (view.y1 - view.y0) * shown;
    state.counters["zoom%"] = g_bench.frame->GetZoom() * 100.0;
    state.counters["asked_per_shown"] = LastAskedPixels() / shown;
    state.counters["page_per_shown"] = page / shown;
    state.counters["cache_MB"] = LastAskedPixels() * 4.0 / 1e6;
    // The zoom changed; the next benchmark fits the page again.
    g_bench.sample = -1;
}

void RubberBandStep(benchmark::State& state)
{
    if (!ShowSample(0)) {
        state.SkipWithError("the label's job could not be generated");
        return;
    }
    g_bench.frame->repaint();
    Track(2, 100, 100);
    hostsim::ClearEngineCalls(*g_bench.host);
    int offset = 0;
    for (auto _ : state) {
        Track(1, 200 + offset, 180 + offset);
        offset = (offset + 1) % 100;
    }
    CountEngineCalls(state);
    // The release zooms; the next benchmark fits the page again.
    Track(-2, 100, 100);
    g_bench.sample = -1;
}

BENCHMARK(CachedRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(RenderingRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(PixelsAsked)->Arg(100)->Arg(6400)->Arg(150000)->ArgName("zoom%")->Unit(benchmark::kMillisecond);
BENCHMARK(RubberBandStep)->Unit(benchmark::kMillisecond);
BENCHMARK(ZoomStep)
    ->ArgsProduct({{0, 1}, {100, 6400, 64000}})
    ->UseManualTime()
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    ChooseOffscreenPlatform();
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
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
        // Shown, so that the rubber band's immediate repaints reach the screen.
        dialog.GetWidget()->resize(kCanvasSide, kCanvasSide);
        dialog.GetWidget()->show();
        QApplication::processEvents();
        g_bench.host = &host;
        g_bench.frame = &frame;
        RunBenchmarks(argc, argv);
    }
    EngineSuitePointers().kiln = nullptr;
    return 0;
}
