// Plug-in start-up: the host's "Startup" message to Viewer.aip until the plug-in returns with its
// menus built ("Hueline" > "Viewer" > "Generate" in the host's menus), against the same message to
// the engine plug-in, KilnKernel.aip, in the same start-up. Each iteration is a fresh host loading
// both plug-ins and quitting afterwards; only the one message is timed.

#include "bench/BenchRun.h"
#include "plugin/suites/AIFoldersSuite.h"
#include "plugin/suites/AIMenuSuite.h"
#include "sim/host/Host.h"
#include "sim/host/StandardStartup.h"
#include "sim/kiln/KilnControlSuite.h"
#include "support/platform/SharedFolders.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

constexpr int kStartups = 100;
const TemporaryFolder* g_folder = nullptr;

bool MenusBuilt(hostsim::Host& host)
{
    return host.Menus().ItemAtPath(kToolPalettesMenuGroup, {"Hueline", "Viewer", "Generate"}) != nullptr;
}

// One host start-up of every plug-in, in the host's order (the engine first); only the message to
// the plug-in file `measured` is timed.
void StartTiming(benchmark::State& state, const std::string& measured)
{
    hostsim::Host host;
    host.SetFolder(kKilnPreferencesFolderType, g_folder->Path().string());
    host.SetFolder(kAIPluginResourcesFolderType, hostsim::ResourceFolderBeside(PLUGIN_DIR));
    host.SetUserInteractionAllowed(false);
    if (!host.LoadPluginFolder(PLUGIN_DIR).empty())
        state.SkipWithError("a plug-in file was refused");
    for (SPPlugin* plugin : host.Plugins()) {
        const bool timed = std::filesystem::path(plugin->path).filename() == measured;
        if (timed)
            state.ResumeTiming();
        const SPErr error = host.SendStartup(*plugin);
        if (timed)
            state.PauseTiming();
        if (error != kNoErr)
            state.SkipWithError("a plug-in refused to start");
    }
    if (!MenusBuilt(host))
        state.SkipWithError("the viewer's menus are missing after its start-up");
}

void StartupOf(benchmark::State& state, const char* pluginFile)
{
    for (auto _ : state) {
        state.PauseTiming();
        StartTiming(state, pluginFile);
        state.ResumeTiming();
    }
}

void ViewerStartupToMenus(benchmark::State& state)
{
    StartupOf(state, "Viewer.aip");
}

void EngineStartup(benchmark::State& state)
{
    StartupOf(state, hostsim::kEnginePluginFile);
}

BENCHMARK(ViewerStartupToMenus)->Unit(benchmark::kMillisecond)->Iterations(kStartups);
BENCHMARK(EngineStartup)->Unit(benchmark::kMillisecond)->Iterations(kStartups);

}  // namespace

int main(int argc, char** argv)
{
    ChooseOffscreenPlatform();
    QApplication app(argc, argv);
    const TemporaryFolder folder;
    g_folder = &folder;
    const EnvironmentGuard sharedDocuments(platform::kSharedDocumentsVariable, folder.Utf8());
    return RunBenchmarks(argc, argv);
}
