#include "plugin/PluginMain.h"

#include "plugin/AIError.h"
#include "plugin/HostSuites.h"
#include "plugin/ScopedHostSuite.h"
#include "plugin/TKW_AIPlugin.h"
#include "plugin/suites/AIRuntimeSuite.h"
#include "plugin/suites/FourCC.h"
#include "support/platform/Keyboard.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr ASErr kWrongHostVersionErr = FourCC("S!Fd");
constexpr ASErr kControlKeyHeldErr = -1;
constexpr unsigned long long kSupportedVersionCode = 0x22000001;

// Owned here from a successful start-up until "Shutdown". Deliberately a plain pointer: an
// object still alive when the library is unloaded must not be destroyed then, when the host
// and the other statics it relies on may be gone.
TKW_AIPlugin* g_plugin = nullptr;

void DeletePlugin()
{
    delete g_plugin;
    g_plugin = nullptr;
}

bool IsSupportedHostVersion(ASInt32 majorVersion)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%d000001", majorVersion);
    return std::strtoull(text, nullptr, 16) == kSupportedVersionCode;
}

bool IsStartup(const char* caller, const char* selector, const SPMessageData& header)
{
    return header.SPCheck == kSPValidSPMessageData && IsSameMessageString(caller, kSPInterfaceCaller) &&
           IsSameMessageString(selector, kSPInterfaceStartupSelector);
}

// The host must be of the supported major version; the runtime suite is held only for the check.
ASErr CheckHost(SPMessageData* header, bool* passed)
{
    *passed = false;
    if (IsControlKeyDown())
        return kControlKeyHeldErr;
    const ScopedHostSuite<AIRuntimeSuite> runtime(header->basic);
    if (runtime.Error() != kNoErr || runtime.Get() == nullptr)
        return runtime.Error();
    if (!IsSupportedHostVersion(runtime.Get()->GetAppMajorVersion()))
        return kWrongHostVersionErr;
    *passed = true;
    return kNoErr;
}

ASErr StartUp(SPMessageData* header)
{
    bool passed = false;
    const ASErr checked = CheckHost(header, &passed);
    if (!passed)
        return checked;
    g_plugin = CreatePlugin(header).release();
    if (g_plugin == nullptr)
        return kNoErr;
    const ASErr error = g_plugin->GetStartupError();
    if (error != kNoErr)
        DeletePlugin();
    return error;
}

ASErr HandleMessage(const char* caller, const char* selector, SPMessageData* header)
{
    SetHostBasicSuite(header->basic);
    ASErr result = kNoErr;
    if (g_plugin == nullptr && IsStartup(caller, selector, *header)) {
        result = StartUp(header);
        if (g_plugin == nullptr)
            return result;
    }

    SetHostBasicSuite(header->basic);
    if (g_plugin != nullptr)
        result = g_plugin->DispatchMessage(caller, selector, header);

    SetHostBasicSuite(header->basic);
    if (g_plugin != nullptr && IsShutdownMessage(caller, selector))
        DeletePlugin();
    return result;
}

}  // namespace

extern "C" SPErr PluginMain(const char* caller, const char* selector, void* message)
{
    if (message == nullptr)
        return kNoErr;
    try {
        return HandleMessage(caller, selector, static_cast<SPMessageData*>(message));
    } catch (const ai::Error& error) {
        return error.Code();
    }
}
