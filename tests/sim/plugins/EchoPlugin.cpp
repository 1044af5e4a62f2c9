// A plug-in written directly against the suites, without the framework: it logs every message
// it receives into the visible text of its menu item, where a test reads it through the host.

#include "plugin/suites/AIMenuSuite.h"
#include "plugin/suites/AINotifierSuite.h"
#include "plugin/suites/AITimerSuite.h"
#include "plugin/suites/AIUnicodeStringSuite.h"
#include "plugin/suites/SPBasicSuite.h"
#include "plugin/suites/SPMessages.h"

#include <cstring>
#include <string>

namespace {

std::string g_log;
AIMenuItemHandle g_item = nullptr;

template <typename Suite>
const Suite* Acquire(const SPBasicSuite* basic)
{
    const void* suite = nullptr;
    return basic->AcquireSuite(Suite::kName, Suite::kVersion, &suite) == kNoErr ? static_cast<const Suite*>(suite) : nullptr;
}

template <typename Suite>
void Release(const SPBasicSuite* basic)
{
    basic->ReleaseSuite(Suite::kName, Suite::kVersion);
}

void ShowLog(const SPBasicSuite* basic)
{
    const auto* strings = Acquire<AIUnicodeStringSuite>(basic);
    const auto* menus = Acquire<AIMenuSuite>(basic);
    AIUnicodeStringHandle text = nullptr;
    strings->Initialize(&text, g_log.c_str(), g_log.size(), kAIUTF8CharacterEncoding);
    menus->SetItemText(g_item, text);
    strings->Destroy(text);
    Release<AIMenuSuite>(basic);
    Release<AIUnicodeStringSuite>(basic);
}

SPErr Startup(SPMessageData* message)
{
    const SPBasicSuite* basic = message->basic;
    const auto* notifiers = Acquire<AINotifierSuite>(basic);
    if (!notifiers)
        return FourCC("NoNt");
    const auto* timers = Acquire<AITimerSuite>(basic);
    const auto* strings = Acquire<AIUnicodeStringSuite>(basic);
    const auto* menus = Acquire<AIMenuSuite>(basic);
    AINotifierHandle ignored = nullptr;
    for (const char* type : {"AI Application Started Notifier", "AI OwlApp Init Dispatched Notifier",
                             "AI Application Shutdown Notifier", "Echo Type"})
        notifiers->AddNotifier(message->self, "Echo", type, &ignored);
    AINotifierHandle idle = nullptr;
    notifiers->AddNotifier(message->self, "Echo idle", "Echo Type", &idle);
    notifiers->SetNotifierActive(idle, false);
    AITimerHandle timer = nullptr;
    timers->AddTimer(message->self, "Echo every 3", 3, &timer);
    AIUnicodeStringHandle text = nullptr;
    strings->Initialize(&text, "", 0, kAIUTF8CharacterEncoding);
    const AIPlatformAddMenuItemDataUS data{kToolPalettesMenuGroup, text};
    menus->AddMenuItem(message->self, "Echo_HL", &data, kMenuItemWantsUpdateOption, &g_item);
    strings->Destroy(text);
    Release<AIMenuSuite>(basic);
    Release<AIUnicodeStringSuite>(basic);
    Release<AITimerSuite>(basic);
    Release<AINotifierSuite>(basic);
    return kNoErr;
}

void Log(const std::string& entry, const SPBasicSuite* basic)
{
    g_log += (g_log.empty() ? "" : "|") + entry;
    if (g_item)
        ShowLog(basic);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) SPErr PluginMain(const char* caller, const char* selector, void* message)
{
    auto* data = static_cast<SPMessageData*>(message);
    if (data->SPCheck != kSPValidSPMessageData)
        return FourCC("Chk?");
    if (std::strcmp(caller, kSPInterfaceCaller) == 0 && std::strcmp(selector, kSPInterfaceStartupSelector) == 0) {
        g_log.clear();
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
