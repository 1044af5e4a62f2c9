#include "bench/ZoomStep.h"

#include "bench/BenchHost.h"
#include "bench/StepTimes.h"
#include "sim/host/DocumentView.h"

#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

constexpr const char* kFitArtBoard = "choose picture:16029 nth:32";

}  // namespace

void MeasureZoomStep(benchmark::State& state, BenchHost& host, const std::string& document, const std::string& entry,
                     int warmUpSteps)
{
    std::string click;
    try {
        host.Show(document);
        const QWidget& canvas = host.Canvas();
        const QPoint centre = canvas.rect().center();
        click = "canvas click " + std::to_string(centre.x()) + " " + std::to_string(centre.y());
        const double ratio = canvas.devicePixelRatioF();
        state.counters["ratio"] = ratio;
        state.counters["canvas_w"] = canvas.width();
        state.counters["canvas_h"] = canvas.height();
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
        return;
    }
    const std::string level = "choose picture:16029 \"" + entry + "\"";
    StepTimes(host).Measure(state, [&host, &level] {
        host.Run(kFitArtBoard);
        host.Run(level);
    }, click, warmUpSteps);
    hostsim::DocumentCenter& documents = host.Host().Documents();
    state.counters["host_zoom%"] = documents.FindView(documents.FrontView())->Zoom() * 100.0;
}
