#include "sim/host/StandardStartup.h"

#include "plugin/suites/SPBasicSuite.h"
#include "sim/host/Host.h"
#include "sim/kiln/KilnControlSuite.h"

namespace hostsim {
namespace {

// Tells the started engine its readiness; false when the engine cannot be reached.
bool SetEngineReady(Host& host, bool ready)
{
    const SPBasicSuite* basic = host.BasicSuite();
    const void* procs = nullptr;
    if (basic->AcquireSuite(KilnControlSuite::kName, KilnControlSuite::kVersion, &procs) != kNoErr)
        return false;
    const ASErr result = static_cast<const KilnControlSuite*>(procs)->SetEngineReady(ready ? 1 : 0);
    basic->ReleaseSuite(KilnControlSuite::kName, KilnControlSuite::kVersion);
    return result == kNoErr;
}

}  // namespace

std::vector<std::string> StartStandardPlugins(Host& host, const std::string& folder, EngineAttendance engine)
{
    const bool attends = engine != EngineAttendance::Absent;
    std::vector<std::string> problems =
        host.LoadPluginFolder(folder, attends ? std::vector<std::string>{} : std::vector<std::string>{kEnginePluginFile});
    host.StartPlugins();
    if (attends && !SetEngineReady(host, engine == EngineAttendance::Ready))
        problems.push_back(std::string(kEnginePluginFile) + ": the engine's control suite is missing");
    host.FinishStartup();
    return problems;
}

}  // namespace hostsim
