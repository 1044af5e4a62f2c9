// RenderPreview through the engine plug-in in the simulated host, the engine set up as the viewer
// sets it (trap layer shown, normal quality, antialiased, automatic dot gain), asked for
// 1298 x 960 device pixels: the host's canvas at device pixel ratio 2. Zooms are the viewer's
// percentages at that ratio (100 % = 2 device pixels per point).
//
// Sample/<sample>/<zoom%>: the label (0) or the fine-detail sample (1), centred on the page.
// Large/<objects>/<zoom%>: a seeded document of that many objects (tests/support/LargeDocument.h);
// zoom 0 fits the page into the canvas.
// Generate/<objects>: RunGeneration of the large document. bytes_per_object is the heap the job
// holds (in use after the generation, less in use before it, with no job then) per object.
//
// Every figure opens its document and generates its job afresh, then renders its request a few
// times before timing, so that no figure depends on what ran before it. Counters: median_ms and
// worst_ms of the renderings (wall time); cpu_median_ms the same in the process's CPU time (the
// engine renders a canvas-sized rectangle on two threads), as
// the machine is shared; baseline_ms the median CPU time of filling the same pixels with one
// colour, measured just before them; ratio = cpu_median_ms / baseline_ms.

#include "bench/EngineBenchMain.h"
#include "plugin/suites/HLKilnSuite.h"
#include "tests/support/EngineJob.h"
#include "tests/support/LargeDocument.h"
#include "tests/support/TemporaryFolder.h"

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1298;
constexpr int kHeight = 960;
constexpr double kDevicePixelRatio = 2.0;
constexpr double kMillimetresPerPoint = 25.4 / 72.0;
constexpr int kWarmUpRenderings = 3;
constexpr int kBaselineFills = 21;
const char* const kSamples[] = {SAMPLES_DIR "/label.json", SAMPLES_DIR "/fine-detail.json"};

hostsim::Host* g_host = nullptr;
const HLKilnSuite* g_kiln = nullptr;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

double CpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// The large document of that many objects, written once per run.
std::string LargeDocumentFile(int objects)
{
    static const TemporaryFolder folder;
    static std::map<int, std::string> files;
    std::string& file = files[objects];
    if (file.empty())
        file = folder.Write("large-" + std::to_string(objects) + ".json", large_document::Json(objects, 1));
    return file;
}

// Opens the document, generates its job and sets the engine up as the viewer does; the document
// is closed again when the figure is done.
class OpenJob
{
public:
    OpenJob(const std::string& file, benchmark::State& state)
    {
        std::string error;
        m_document = g_host->Documents().Open(file, error);
        if (!m_document || !GenerateJob(*g_host, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        SetUpRenderingAsViewer(*g_kiln);
        g_kiln->GetJobSize(&m_height, &m_width);
    }
    ~OpenJob()
    {
        g_kiln->ResetSession();
        if (m_document)
            g_host->Documents().Close(m_document);
    }

    bool Open() const { return m_document != nullptr; }
    double Width() const { return m_width; }
    double Height() const { return m_height; }

private:
    AIDocumentHandle m_document = nullptr;
    double m_width = 0.0;   // mm
    double m_height = 0.0;  // mm
};

// The canvas's area at a zoom, centred on the page; zoom 0 fits the page.
void Area(const OpenJob& job, int zoomPercent, double area[4])
{
    double mmPerPixel = 0.0;
    if (zoomPercent == 0)
        mmPerPixel = std::max(job.Width() / kWidth, job.Height() / kHeight);
    else
        mmPerPixel = kMillimetresPerPoint / (kDevicePixelRatio * zoomPercent / 100.0);
    area[0] = job.Width() / 2 - mmPerPixel * kWidth / 2;
    area[1] = area[0] + mmPerPixel * kWidth;
    area[2] = job.Height() / 2 - mmPerPixel * kHeight / 2;
    area[3] = area[2] + mmPerPixel * kHeight;
}

double BaselineMilliseconds(std::vector<ASUInt32>& pixels)
{
    std::vector<double> times;
    for (int i = 0; i < kBaselineFills; ++i) {
        const double start = CpuMilliseconds();
        std::fill(pixels.begin(), pixels.end(), ASUInt32{0xffb4b4b4});
        benchmark::ClobberMemory();
        times.push_back(CpuMilliseconds() - start);
    }
    return Median(times);
}

void TimeRenderings(benchmark::State& state, const std::string& file, int zoomPercent)
{
    const OpenJob job(file, state);
    if (!job.Open())
        return;
    double area[4];
    Area(job, zoomPercent, area);
    std::vector<ASUInt32> pixels(static_cast<std::size_t>(kWidth) * kHeight);
    for (int i = 0; i < kWarmUpRenderings; ++i)
        g_kiln->RenderPreview(0, kHeight, 0, kWidth, area, pixels.data());
    const double baseline = BaselineMilliseconds(pixels);
    std::vector<double> times;
    std::vector<double> cpuTimes;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const double cpuStart = CpuMilliseconds();
        if (g_kiln->RenderPreview(0, kHeight, 0, kWidth, area, pixels.data()) != kNoErr)
            state.SkipWithError("RenderPreview failed");
        benchmark::DoNotOptimize(pixels.data());
        cpuTimes.push_back(CpuMilliseconds() - cpuStart);
        times.push_back(Milliseconds(Clock::now() - start));
    }
    const double cpuMedian = Median(cpuTimes);
    state.counters["median_ms"] = Median(times);
    state.counters["worst_ms"] = *std::max_element(times.begin(), times.end());
    state.counters["cpu_median_ms"] = cpuMedian;
    state.counters["baseline_ms"] = baseline;
    state.counters["ratio"] = cpuMedian / baseline;
}

void Sample(benchmark::State& state)
{
    TimeRenderings(state, kSamples[state.range(0)], static_cast<int>(state.range(1)));
}

void Large(benchmark::State& state)
{
    TimeRenderings(state, LargeDocumentFile(static_cast<int>(state.range(0))), static_cast<int>(state.range(1)));
}

std::size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void Generate(benchmark::State& state)
{
    const int objects = static_cast<int>(state.range(0));
    const OpenJob job(LargeDocumentFile(objects), state);
    if (!job.Open())
        return;
    std::string error;
    double held = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        g_kiln->ResetSession();
        const std::size_t before = HeapInUse();
        state.ResumeTiming();
        if (!GenerateJob(*g_host, error))
            state.SkipWithError(error.c_str());
        held = static_cast<double>(HeapInUse()) - static_cast<double>(before);
    }
    state.counters["bytes_per_object"] = held / objects;
}

BENCHMARK(Sample)
    ->ArgsProduct({{0, 1}, {100, 6400, 64000}})
    ->ArgNames({"sample", "zoom%"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Large)
    ->ArgsProduct({{100, 1000, 10000}, {0, 6400}})
    ->ArgNames({"objects", "zoom%"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Generate)->Arg(100)->Arg(1000)->Arg(10000)->ArgName("objects")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunEngineBenchmarks(argc, argv, g_host, g_kiln);
}
