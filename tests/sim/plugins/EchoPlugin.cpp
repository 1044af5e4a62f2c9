// A plug-in written directly against the suites, without the framework: it logs every message
// it receives into the visible text of its menu item, where a test reads it through the host.

#include "MenuLog.h"

#include "plugin/suites/AINotifierSuite.h"
#include "plugin/suites/AITimerSuite.h"
#include "plugin/suites/SPMessages.h"

#include <cstring>
#include <string>

namespace {

MenuLog g_log;

SPErr Startup(SPMessageData* message)
{
    const SPBasicSuite* basic = message->basic;
    const auto* notifiers = Acquire<AINotifierSuite>(basic);
    if (!notifiers)
        return FourCC("NoNt");
    const auto* timers = Acquire<AITimerSuite>(basic);
    AINotifierHandle ignored = nullptr;
    for (const char* type : {"AI Application Started Notifier", "AI OwlApp Init Dispatched Notifier",
                             "AI Application Shutdown Notifier", "Echo Type"})
        notifiers->AddNotifier(message->self, "Echo", type, &ignored);
    AINotifierHandle idle = nullptr;
    notifiers->AddNotifier(message->self, "Echo idle", "Echo Type", &idle);
    notifiers->SetNotifierActive(idle, false);
    AITimerHandle timer = nullptr;
    timers->AddTimer(message->self, "Echo every 3", 3, &timer);
    g_log.Start(message->self, basic, "Echo_HL");
    Release<AITimerSuite>(basic);
    Release<AINotifierSuite>(basic);
    return kNoErr;
}

void Log(const std::string& entry, const SPBasicSuite* basic)
{
    g_log.Append(entry, basic);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) SPErr PluginMain(const char* caller, const char* selector, void* message)
{
    auto* data = static_cast<SPMessageData*>(message);
    if (data->SPCheck != kSPValidSPMessageData)
        return FourCC("Chk?");
    if (std::strcmp(caller, kSPInterfaceCaller) == 0 && std::strcmp(selector, kSPInterfaceStartupSelector) == 0) {
        g_log = MenuLog();
        const SPErr result = Startup(data);
        Log("Startup", data->basic);
        return result;
    }
    if (std::strcmp(caller, kCallerAINotifier) == 0)
        Log(static_cast<AINotifierMessage*>(message)->type, data->basic);
    else if (std::strcmp(caller, kCallerAIMenu) == 0)
        Log(selector, data->basic);
    else if (std::strcmp(caller, kCallerAITimer) == 0)
        Log("Tick", data->basic);
    else
        Log(std::string(caller) + "/" + selector, data->basic);
    return kNoErr;
}
