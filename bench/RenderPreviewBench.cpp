// RenderPreview of the label sample through the engine plug-in in the simulated host: the
// visible rectangle at a zoom, against rendering the whole page at that zoom and cropping the
// same rectangle out of it. Zoom is device pixels per point (100 % = 1).

#include "plugin/suites/HLKilnSuite.h"
#include "tests/support/EngineJob.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iostream>
#include <memory>
#include <vector>

namespace {

constexpr double kMillimetresPerPoint = 25.4 / 72.0;
constexpr ASUInt32 kPasteboard = 0xffb4b4b4;
// Above this the whole-page rendering is not attempted.
constexpr double kWholePageLimitBytes = 2.0 * 1024 * 1024 * 1024;
// Bytes the engine and the caller hold per device pixel for the label: the caller's 32-bit
// pixel, one coverage plane for each of the six inks, the page plane and the shape mask.
constexpr double kBytesPerPixel = 4 + 6 + 2;

const HLKilnSuite* g_kiln = nullptr;
double g_jobWidth = 0.0;   // mm
double g_jobHeight = 0.0;  // mm

// The visible rectangle: size × size device pixels centred on the page.
struct Request
{
    double zoom;
    int size;
    double area[4];
};

Request Visible(const benchmark::State& state)
{
    Request request{static_cast<double>(state.range(0)) / 100.0, static_cast<int>(state.range(1)), {}};
    const double side = request.size / request.zoom * kMillimetresPerPoint;
    request.area[0] = (g_jobWidth - side) / 2;
    request.area[1] = request.area[0] + side;
    request.area[2] = (g_jobHeight - side) / 2;
    request.area[3] = request.area[2] + side;
    return request;
}

void VisibleRectangle(benchmark::State& state)
{
    const Request request = Visible(state);
    std::vector<ASUInt32> pixels(static_cast<std::size_t>(request.size) * request.size);
    for (auto _ : state) {
        if (g_kiln->RenderPreview(0, request.size, 0, request.size, request.area, pixels.data()) != kNoErr)
            state.SkipWithError("RenderPreview failed");
        benchmark::DoNotOptimize(pixels.data());
    }
}

// Copies the request's rectangle out of the whole page, pasteboard where it lies off the page.
void Crop(const std::vector<ASUInt32>& page, int pageWidth, int pageHeight, int left, int top, int size,
          std::vector<ASUInt32>& pixels)
{
    std::fill(pixels.begin(), pixels.end(), kPasteboard);
    const int x0 = std::max(left, 0);
    const int x1 = std::min(left + size, pageWidth);
    for (int y = std::max(top, 0); y < std::min(top + size, pageHeight) && x0 < x1; ++y)
        std::memcpy(&pixels[static_cast<std::size_t>(y - top) * size + (x0 - left)],
                    &page[static_cast<std::size_t>(y) * pageWidth + x0], sizeof(ASUInt32) * (x1 - x0));
}

void WholePageCropped(benchmark::State& state)
{
    const Request request = Visible(state);
    const double pixelsPerMm = request.zoom / kMillimetresPerPoint;
    const int width = static_cast<int>(std::ceil(g_jobWidth * pixelsPerMm));
    const int height = static_cast<int>(std::ceil(g_jobHeight * pixelsPerMm));
    const double bytes = static_cast<double>(width) * height * kBytesPerPixel;
    if (bytes > kWholePageLimitBytes) {
        state.SkipWithError(("whole page " + std::to_string(width) + " x " + std::to_string(height) + " needs " +
                             std::to_string(static_cast<int>(bytes / 1e6)) + " MB")
                                .c_str());
        return;
    }
    const double area[4] = {0.0, width / pixelsPerMm, 0.0, height / pixelsPerMm};
    const int left = static_cast<int>(std::lround(request.area[0] * pixelsPerMm));
    const int top = static_cast<int>(std::lround(request.area[2] * pixelsPerMm));
    std::vector<ASUInt32> page(static_cast<std::size_t>(width) * height);
    std::vector<ASUInt32> pixels(static_cast<std::size_t>(request.size) * request.size);
    for (auto _ : state) {
        if (g_kiln->RenderPreview(0, height, 0, width, area, page.data()) != kNoErr)
            state.SkipWithError("RenderPreview failed");
        Crop(page, width, height, left, top, request.size, pixels);
        benchmark::DoNotOptimize(pixels.data());
    }
    state.counters["page_pixels"] = static_cast<double>(width) * height;
}

void Sizes(benchmark::internal::Benchmark* bench)
{
    for (int zoom : {100, 800, 6400})
        for (int size : {480, 960})
            bench->Args({zoom, size});
    bench->ArgNames({"zoom%", "px"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(VisibleRectangle)->Apply(Sizes);
BENCHMARK(WholePageCropped)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    hostsim::Host host;
    std::string error;
    if (!StartWithJob(host, KILN_PLUGIN, SAMPLES_DIR "/label.json", error)) {
        std::cerr << error << "\n";
        return 1;
    }
    g_kiln = AcquireHostSuite<HLKilnSuite>(host);
    if (!g_kiln || g_kiln->GetJobSize(&g_jobHeight, &g_jobWidth) != kNoErr)
        return 1;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    host.Shutdown();
    return 0;
}
