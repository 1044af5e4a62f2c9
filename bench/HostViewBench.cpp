// The simulated host's document view (sim/app DocumentWidget), 800 x 600 pixels at device pixel
// ratio 1 on the offscreen screen: one repaint of the whole view into an image.
//
// Repaint/<document>/<zoom>: documents 0 the label (the baseline), 1 to 3 samples/large-document.py
// with 100, 1,000 and 10,000 objects (seed 1); zoom 0 the page fitted, 1 6400 % about the page's
// centre. Counter vs_label: the repaint's time over the label's at the same zoom, measured in the
// same run.
//
// MakePainter/<document>: making the painter of one document revision (outlines, glyph outlines,
// colours, bounds), once per revision at its first paint. Counter bytes_per_object: the heap it
// holds over the document's items (glibc's mallinfo2).

#include "bench/BenchRun.h"
#include "sim/app/ArtworkPainter.h"
#include "sim/app/DocumentWidget.h"
#include "sim/host/Host.h"

#include "tests/support/TemporaryFolder.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kViewWidth = 800;
constexpr int kViewHeight = 600;
constexpr double kDeepZoom = 64.0;  // 6400 %
const int kObjects[] = {100, 1000, 10000};

struct Bench
{
    hostsim::Host* host = nullptr;
    std::vector<std::unique_ptr<hostapp::DocumentWidget>> views;  // by document
    std::map<int, double> labelSeconds;                            // by zoom, from the label's runs
} g_bench;

double Repaint(hostapp::DocumentWidget& view)
{
    QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const Clock::time_point start = Clock::now();
    view.viewport()->render(&image);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_Repaint(benchmark::State& state)
{
    const int document = static_cast<int>(state.range(0));
    const int zoom = static_cast<int>(state.range(1));
    hostapp::DocumentWidget& view = *g_bench.views[document];
    if (zoom == 0)
        view.FitPage();
    else
        view.ZoomTo(kDeepZoom);
    Repaint(view);  // a first paint may build what later ones reuse

    double seconds = 0.0;
    for (auto _ : state) {
        const double one = Repaint(view);
        state.SetIterationTime(one);
        seconds += one;
    }
    const double mean = seconds / static_cast<double>(state.iterations());
    if (document == 0)
        g_bench.labelSeconds[zoom] = mean;
    state.counters["ms"] = mean * 1e3;
    state.counters["vs_label"] = mean / g_bench.labelSeconds[zoom];
}
BENCHMARK(BM_Repaint)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->ArgNames({"document", "zoom"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_MakePainter(benchmark::State& state)
{
    const hostapp::DocumentWidget& view = *g_bench.views[static_cast<std::size_t>(state.range(0))];
    const hostsim::DocumentContent& content = g_bench.host->Documents().Find(view.Document())->Content();
    double bytes = 0.0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        const hostapp::ArtworkPainter painter(content);
        bytes = static_cast<double>(mallinfo2().uordblks - before);
        benchmark::DoNotOptimize(&painter);
    }
    state.counters["bytes_per_object"] = bytes / static_cast<double>(content.artwork.size());
}
BENCHMARK(BM_MakePainter)->DenseRange(0, 3)->ArgName("document")->Unit(benchmark::kMillisecond);

// Opens `path` in the host and makes its view, sized and shown.
bool AddView(hostsim::Host& host, const std::string& path)
{
    std::string error;
    const AIDocumentHandle document = host.Documents().Open(path, error);
    if (document == nullptr) {
        std::cerr << error << "\n";
        return false;
    }
    auto view = std::make_unique<hostapp::DocumentWidget>(host, document);
    view->resize(kViewWidth, kViewHeight);
    view->show();
    g_bench.views.push_back(std::move(view));
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    ChooseOffscreenPlatform();
    QApplication app(argc, argv);
    hostsim::Host host;
    g_bench.host = &host;
    const TemporaryFolder folder;
    bool ready = AddView(host, SAMPLES_DIR "/label.json");
    for (const int objects : kObjects) {
        if (!ready)
            break;
        const std::string file = folder.File("large-" + std::to_string(objects) + ".json");
        const std::string command = std::string(PYTHON3 " " SAMPLES_DIR "/large-document.py --objects ") +
                                    std::to_string(objects) + " --output '" + file + "'";
        ready = std::system(command.c_str()) == 0 && AddView(host, file);
    }
    if (!ready)
        return 1;
    QApplication::processEvents();
    RunBenchmarks(argc, argv);
    g_bench.views.clear();
    return 0;
}
