// "AI Notifier Suite", "AI Timer Suite" and "AI Context Suite".

#include "plugin/suites/AIContextSuite.h"
#include "plugin/suites/AINotifierSuite.h"
#include "plugin/suites/AITimerSuite.h"
#include "sim/host/Host.h"
#include "sim/host/HostSuites.h"

namespace hostsim {
namespace {

AIErr AddNotifier(SPPluginRef self, const char* name, const char* type, AINotifierHandle* notifier)
{
    if (!self || !name || !type || !notifier)
        return BadParameterError();
    *notifier = Host::Current().Notifiers().Add(self, name, type);
    return kNoErr;
}

AIErr SetNotifierActive(AINotifierHandle notifier, AIBoolean active)
{
    return WithKnown(Host::Current().Notifiers().Find(notifier),
                     [active](Notifier& found) { found.active = active != 0; });
}

AIErr BroadcastNotifier(const char* type, void* data)
{
    if (!type)
        return BadParameterError();
    Host::Current().Broadcast(type, data);
    return kNoErr;
}

AIErr AddTimer(SPPluginRef self, const char* name, ASInt32 period, AITimerHandle* timer)
{
    if (!self || !name || !timer || period < 1)
        return BadParameterError();
    *timer = Host::Current().Timers().Add(self, name, period);
    return kNoErr;
}

AIErr SetTimerActive(AITimerHandle timer, AIBoolean active)
{
    return Host::Current().Timers().SetActive(timer, active != 0) ? kNoErr : BadParameterError();
}

AIErr GetPlatformAppWindow(AIWindowRef* window)
{
    if (!window)
        return BadParameterError();
    *window = &Host::Current().PlatformAppWindow();
    return kNoErr;
}

}  // namespace
}  // namespace hostsim

// The context handle only pairs a pop with its push; the host counts them.
struct AIAppContextOpaque
{
};

namespace hostsim {
namespace {

AIAppContextOpaque g_contextToken;
AIAppContextOpaque* const kContextToken = &g_contextToken;

AIErr PushAppContext(SPPluginRef self, AIAppContextHandle* context)
{
    if (!self || !context)
        return BadParameterError();
    Host::Current().PushContext();
    *context = kContextToken;
    return kNoErr;
}

AIErr PopAppContext(AIAppContextHandle context)
{
    return context == kContextToken && Host::Current().PopContext() ? kNoErr : BadParameterError();
}

const AINotifierSuite kNotifier = {AddNotifier, {}, SetNotifierActive, {}, BroadcastNotifier};
const AITimerSuite kTimer = {AddTimer, {}, SetTimerActive};
const AIContextSuite kContext = {GetPlatformAppWindow, PushAppContext, PopAppContext};

}  // namespace

void RegisterEventSuites(SuiteRegistry& suites)
{
    suites.Add(kNotifier);
    suites.Add(kTimer);
    suites.Add(kContext);
}

}  // namespace hostsim
