#include "sim/host/StandardStartup.h"

#include "plugin/suites/AIFoldersSuite.h"
#include "plugin/suites/HLKilnODLSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "plugin/suites/SPBasicSuite.h"
#include "sim/host/Host.h"
#include "sim/kiln/KilnControlSuite.h"

#include <filesystem>
#include <functional>

namespace hostsim {
namespace {

// What a damaged engine install fails to provide.
constexpr const char* kKernelSuites[] = {HLKilnSuite::kName, HLKilnODLSuite::kName};

// Runs `use` with the engine's control suite; false when the engine cannot be reached.
bool WithControlSuite(Host& host, const std::function<void(const KilnControlSuite&)>& use)
{
    const SPBasicSuite* basic = host.BasicSuite();
    const void* procs = nullptr;
    if (basic->AcquireSuite(KilnControlSuite::kName, KilnControlSuite::kVersion, &procs) != kNoErr)
        return false;
    use(*static_cast<const KilnControlSuite*>(procs));
    basic->ReleaseSuite(KilnControlSuite::kName, KilnControlSuite::kVersion);
    return true;
}

// Tells the started engine its readiness; false when the engine cannot be reached.
bool SetEngineReady(Host& host, bool ready)
{
    ASErr result = kNoErr;
    const bool reached =
        WithControlSuite(host, [&](const KilnControlSuite& control) { result = control.SetEngineReady(ready ? 1 : 0); });
    return reached && result == kNoErr;
}

}  // namespace

std::string ResourceFolderBeside(const std::string& pluginFolder)
{
    std::filesystem::path plugins = std::filesystem::path(pluginFolder).lexically_normal();
    if (!plugins.has_filename())
        plugins = plugins.parent_path();
    return (plugins.parent_path() / kResourceFolderName).string() + "/";
}

std::vector<std::string> StartStandardPlugins(Host& host, const std::string& folder, EngineAttendance engine)
{
    if (host.Folder(kAIPluginResourcesFolderType) == nullptr)
        host.SetFolder(kAIPluginResourcesFolderType, ResourceFolderBeside(folder));
    const bool attends = engine != EngineAttendance::Absent;
    if (engine == EngineAttendance::Corrupt)
        for (const char* suite : kKernelSuites)
            host.Suites().SetMissing(suite, true);
    std::vector<std::string> problems =
        host.LoadPluginFolder(folder, attends ? std::vector<std::string>{} : std::vector<std::string>{kEnginePluginFile});
    host.StartPlugins();
    if (attends && !SetEngineReady(host, engine != EngineAttendance::NotReady))
        problems.push_back(std::string(kEnginePluginFile) + ": the engine's control suite is missing");
    host.FinishStartup();
    return problems;
}

std::vector<std::string> EngineCalls(Host& host)
{
    std::vector<std::string> calls;
    WithControlSuite(host, [&calls](const KilnControlSuite& control) {
        const ASInt32 count = control.CountCalls();
        for (ASInt32 index = 0; index < count; ++index) {
            const ASInt32 length = control.GetCall(index, nullptr, 0);
            std::string line(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
            control.GetCall(index, line.data(), static_cast<ASInt32>(line.size()));
            line.resize(line.size() - 1);
            calls.push_back(line);
        }
    });
    return calls;
}

void ClearEngineCalls(Host& host)
{
    WithControlSuite(host, [](const KilnControlSuite& control) { control.ClearCalls(); });
}

}  // namespace hostsim
