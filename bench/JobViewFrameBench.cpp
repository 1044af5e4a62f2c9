// Painting the preview canvas (480 x 480 logical pixels at device pixel ratio 2, or the ratio
// QT_SCALE_FACTOR gives; the label sample's page fitted into it) with the engine plug-in in the
// simulated host: a repaint that reuses the cached image against a repaint after Invalidate, which
// renders the same view again. The counter engine_calls is the engine calls per paint
// (RenderPreview is the only one).
//
// PixelsAsked paints once per zoom (percent; 150000 asks past the clamp): asked_per_shown is the
// device pixels RenderPreview was asked for over the canvas's device pixels, page_per_shown what a
// renderer of the whole page would need at that zoom over the same, cache_MB the bytes of the one
// cached image.

#include "plugin/EngineSuites.h"
#include "plugin/ScopedHostSuite.h"
#include "plugin/suites/AIDocumentSuite.h"
#include "plugin/suites/AIDocumentViewSuite.h"
#include "plugin/suites/AIUserSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "sim/host/StandardStartup.h"
#include "tests/support/EngineJob.h"
#include "toolkit/RVADM_ModalDialog.h"
#include "viewer/JobViewFrame.h"

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>

namespace {

constexpr int kCanvasSide = 480;

JobViewFrame* g_frame = nullptr;
hostsim::Host* g_host = nullptr;
double g_jobHeight = 0.0;  // mm
double g_jobWidth = 0.0;   // mm

void Paint(benchmark::State& state, bool invalidate)
{
    const qreal ratio = g_frame->devicePixelRatioF();
    QPixmap target(g_frame->size() * ratio);
    target.setDevicePixelRatio(ratio);
    g_frame->render(&target);
    hostsim::ClearEngineCalls(*g_host);
    for (auto _ : state) {
        if (invalidate)
            g_frame->Invalidate();
        g_frame->render(&target);
    }
    state.counters["engine_calls"] =
        benchmark::Counter(static_cast<double>(hostsim::EngineCalls(*g_host).size()), benchmark::Counter::kAvgIterations);
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

// Device pixels of the engine's last RenderPreview request; 0 without one.
double LastAskedPixels()
{
    double asked = 0.0;
    for (const std::string& call : hostsim::EngineCalls(*g_host)) {
        int top = 0, bottom = 0, left = 0, right = 0;
        if (std::sscanf(call.c_str(), "RenderPreview(%d, %d, %d, %d", &top, &bottom, &left, &right) == 4)
            asked = static_cast<double>(bottom - top) * (right - left);
    }
    return asked;
}

void PixelsAsked(benchmark::State& state)
{
    const double ratio = g_frame->devicePixelRatioF();
    QPixmap target(g_frame->size() * ratio);
    target.setDevicePixelRatio(ratio);
    g_frame->ShowRect({0.0, g_jobHeight, 0.0, g_jobWidth});
    g_frame->SetZoom(static_cast<double>(state.range(0)) / 100.0);
    for (auto _ : state) {
        hostsim::ClearEngineCalls(*g_host);
        g_frame->Invalidate();
        g_frame->render(&target);
    }
    const double shown = static_cast<double>(target.width()) * target.height();
    const JobRect& view = g_frame->Geometry().ViewRect();
    const double page = g_jobWidth / (view.x1 - view.x0) * g_jobHeight / (view.y1 - view.y0) * shown;
    state.counters["zoom%"] = g_frame->GetZoom() * 100.0;
    state.counters["asked_per_shown"] = LastAskedPixels() / shown;
    state.counters["page_per_shown"] = page / shown;
    state.counters["cache_MB"] = LastAskedPixels() * 4.0 / 1e6;
}

BENCHMARK(CachedRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(RenderingRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(PixelsAsked)->Arg(100)->Arg(6400)->Arg(150000)->ArgName("zoom%")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    hostsim::Host host;
    std::string error;
    AIDocumentHandle label = StartWithJob(host, KILN_PLUGIN, SAMPLES_DIR "/label.json", error);
    EngineSuitePointers().kiln = AcquireHostSuite<HLKilnSuite>(host);
    double height = 0.0;
    double width = 0.0;
    if (!label || !EngineSuitePointers().kiln || EngineSuitePointers().kiln->GetJobSize(&height, &width) != kNoErr) {
        std::cerr << error << "\n";
        return 1;
    }
    const ScopedHostSuite<AIDocumentSuite> documents(host.BasicSuite());
    const ScopedHostSuite<AIDocumentViewSuite> views(host.BasicSuite());
    const ScopedHostSuite<AIUserSuite> user(host.BasicSuite());
    {
        qRVADM::RVADM_ModalDialog dialog;
        JobViewFrame frame(&dialog);
        frame.SetBoundsRect({0, 0, kCanvasSide, kCanvasSide});
        frame.KeepZoomOnResize();
        frame.SetJobDocument(label);
        frame.ShowRect({0.0, height, 0.0, width});
        g_frame = &frame;
        g_host = &host;
        g_jobHeight = height;
        g_jobWidth = width;
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    EngineSuitePointers().kiln = nullptr;
    return 0;
}
