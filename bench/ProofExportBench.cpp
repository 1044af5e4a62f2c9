// The proof exporter with the engine plug-in in the simulated host, the engine set up as the
// viewer sets it (trap layer shown, normal quality, antialiased, automatic dot gain).
//
// Export/sample:S/format:F/ppi:P: the whole page of the label (S 0) or the fine-detail sample
// (S 1) written as PNG (F 0) or TIFF (F 1) at P ppi into a file in a temporary folder, in the
// exporter's tiles (512 × 128 pixels). The baseline is the engine's own RenderPreview times for the
// same tiles in the same run, timed around each call. Counters: export_ms and engine_ms (wall),
// cpu_export_ms and cpu_engine_ms (this thread's CPU time, the host's UI thread: the machine is
// shared), overhead% = (cpu_export_ms / cpu_engine_ms - 1) × 100 (goal at most 10),
// wall_overhead% the same on wall time (it holds the file's flush to the disk and, on a busy
// machine, the wait for the writing thread), writer_cpu_ms the CPU time of the writing thread
// (the process's CPU time less this thread's), peak_MiB the rise of the resident memory during
// the export (the kernel's high-water mark, cleared before it; goal at most 64 at 2400 ppi),
// file_MiB and the image's width, height and tiles.

#include "bench/EngineBenchMain.h"
#include "bench/PeakMemory.h"
#include "bench/Stopwatch.h"
#include "plugin/suites/HLKilnSuite.h"
#include "support/Folder.h"
#include "tests/support/EngineJob.h"
#include "tests/support/TemporaryFolder.h"
#include "viewer/export/KilnTileSource.h"
#include "viewer/export/ProofExporter.h"
#include "viewer/export/TilePlan.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>

namespace {

const char* const kSamples[] = {SAMPLES_DIR "/label.json", SAMPLES_DIR "/fine-detail.json"};

hostsim::Host* g_host = nullptr;
const HLKilnSuite* g_kiln = nullptr;

double ProcessCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The engine's tiles, each call timed.
class TimedSource : public TileSource
{
public:
    explicit TimedSource(const HLKilnSuite& kiln) : m_engine(kiln) {}

    bool Render(const double area[4], int width, int height, std::uint32_t* pixels) override
    {
        const Stopwatch watch;
        const bool rendered = m_engine.Render(area, width, height, pixels);
        spent += watch.Read();
        return rendered;
    }

    Elapsed spent;

private:
    KilnTileSource m_engine;
};

void Export(benchmark::State& state)
{
    std::string error;
    const AIDocumentHandle document = g_host->Documents().Open(kSamples[state.range(0)], error);
    if (!document || !GenerateJob(*g_host, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    SetUpRenderingAsViewer(*g_kiln);
    ProofRequest request;
    request.area = {0.0, 0.0, 0.0, 0.0};
    g_kiln->GetJobSize(&request.area.y1, &request.area.x1);
    request.format = state.range(1) == 0 ? ProofFormat::Png : ProofFormat::Tiff;
    request.ppi = static_cast<int>(state.range(2));
    TemporaryFolder folder;
    Folder target;
    Folder::Resolve(folder.Utf8(), target);
    TimedSource source(*g_kiln);
    Elapsed exported;
    double processCpu = 0.0;
    double peak = 0.0;
    for (auto _ : state) {
        source.spent = Elapsed();
        PeakMemory memory;
        memory.Start();
        const double processStart = ProcessCpuMilliseconds();
        const Stopwatch watch;
        const auto result = ProofExporter(source).Export(request, target, "proof", true, [](int, int) { return true; });
        exported = watch.Read();
        processCpu = ProcessCpuMilliseconds() - processStart;
        peak = memory.RiseMiB();
        if (result.outcome != ProofExporter::Outcome::Written)
            state.SkipWithError("the export failed");
    }
    const TilePlan plan(request.area, request.ppi, ProofExporter::kTileWidth, ProofExporter::kTileHeight);
    state.counters["export_ms"] = exported.wall;
    state.counters["engine_ms"] = source.spent.wall;
    state.counters["cpu_export_ms"] = exported.cpu;
    state.counters["cpu_engine_ms"] = source.spent.cpu;
    state.counters["overhead%"] = (exported.cpu / source.spent.cpu - 1.0) * 100.0;
    state.counters["wall_overhead%"] = (exported.wall / source.spent.wall - 1.0) * 100.0;
    state.counters["writer_cpu_ms"] = processCpu - exported.cpu;
    state.counters["peak_MiB"] = peak;
    state.counters["file_MiB"] = std::filesystem::file_size(folder.Path() / "proof") / 1048576.0;
    state.counters["width"] = plan.Width();
    state.counters["height"] = plan.Height();
    state.counters["tiles"] = plan.TileCount();
    g_kiln->ResetSession();
    g_host->Documents().Close(document);
}

BENCHMARK(Export)
    ->ArgsProduct({{0, 1}, {0, 1}, {300, 1200, 2400}})
    ->ArgNames({"sample", "format", "ppi"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunEngineBenchmarks(argc, argv, g_host, g_kiln);
}
