// A host start with 2,000 dot gain settings in the shared folder against one with an empty
// folder, alternating in the same run: the panel is created at start (hidden) and lists every
// setting that loads, so the difference is what the folder costs a person who starts the host.
// Each start is a fresh host loading the plug-in folder and sending the whole start-up sequence;
// only that sequence is timed. Reported: the start with settings (the benchmark's time), the empty
// start, the extra milliseconds and the ratio, by the wall clock and by the process's CPU time.

#include "bench/BenchRun.h"
#include "plugin/suites/AIFoldersSuite.h"
#include "settings/PressStore.h"
#include "sim/kiln/KilnControlSuite.h"
#include "sim/host/Host.h"
#include "sim/host/StandardStartup.h"
#include "support/platform/SharedFolders.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <string>

namespace {

constexpr int kSettings = 2000;
const TemporaryFolder* g_preferences = nullptr;

// A shared documents folder whose settings folder holds `count` settings.
class SharedDocuments
{
public:
    explicit SharedDocuments(int count)
    {
        const EnvironmentGuard shared(platform::kSharedDocumentsVariable, m_folder.Utf8());
        PressStore::InitFolder();
        PressSettings record("Bench");
        record.SetDotGain(2.0, 30.0, 55.0, 80.0, 100.0);
        for (int i = 0; i < count; ++i)
            PressStore::Save(record, "Press " + std::to_string(i), false);
    }
    std::string Utf8() const { return m_folder.Utf8(); }

private:
    TemporaryFolder m_folder;
};

struct Seconds
{
    double wall = 0.0;
    double cpu = 0.0;  // of the process: on a busy machine the wall clock mostly measures the others

    Seconds& operator+=(const Seconds& other)
    {
        wall += other.wall;
        cpu += other.cpu;
        return *this;
    }
};

// One host start-up with `shared` as the shared documents folder.
Seconds Start(const SharedDocuments& shared, benchmark::State& state)
{
    const EnvironmentGuard environment(platform::kSharedDocumentsVariable, shared.Utf8());
    hostsim::Host host;
    host.SetFolder(kKilnPreferencesFolderType, g_preferences->Path().string());
    host.SetUserInteractionAllowed(false);
    const auto wallStart = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    if (!hostsim::StartStandardPlugins(host, PLUGIN_DIR, hostsim::EngineAttendance::Ready).empty())
        state.SkipWithError("the standard plug-ins did not start");
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallStart;
    host.Shutdown();
    return {wall.count(), cpu};
}

void HostStartWithSettings(benchmark::State& state)
{
    const SharedDocuments empty(0);
    const SharedDocuments full(kSettings);
    Start(full, state);  // warm-up: plug-in files and the folder in the caches
    Seconds emptyTotal;
    Seconds fullTotal;
    for (auto _ : state) {
        const Seconds withSettings = Start(full, state);
        emptyTotal += Start(empty, state);
        fullTotal += withSettings;
        state.SetIterationTime(withSettings.wall);
    }
    const double perStart = 1e3 / static_cast<double>(state.iterations());
    state.counters["empty_ms"] = emptyTotal.wall * perStart;
    state.counters["extra_ms"] = (fullTotal.wall - emptyTotal.wall) * perStart;
    state.counters["ratio"] = fullTotal.wall / emptyTotal.wall;
    state.counters["empty_cpu_ms"] = emptyTotal.cpu * perStart;
    state.counters["extra_cpu_ms"] = (fullTotal.cpu - emptyTotal.cpu) * perStart;
}

BENCHMARK(HostStartWithSettings)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace

int main(int argc, char** argv)
{
    ChooseOffscreenPlatform();
    QApplication app(argc, argv);
    const TemporaryFolder preferences;
    g_preferences = &preferences;
    return RunBenchmarks(argc, argv);
}
