// Painting the preview canvas (480 x 480 logical pixels at device pixel ratio 2, the label
// sample's page fitted into it) with the engine plug-in in the simulated host: a repaint that
// reuses the cached image against a repaint after Invalidate, which renders the same view again.
// The counter engine_calls is the engine calls per paint (RenderPreview is the only one).

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

#include <iostream>

namespace {

constexpr int kCanvasSide = 480;

JobViewFrame* g_frame = nullptr;
hostsim::Host* g_host = nullptr;

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

BENCHMARK(CachedRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(RenderingRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    EngineSuitePointers().kiln = nullptr;
    return 0;
}
