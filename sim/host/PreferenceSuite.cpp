// "AI Preference Suite": the host's own preferences.

#include "plugin/suites/AIPreferenceSuite.h"
#include "sim/host/Host.h"
#include "sim/host/HostSuites.h"
#include "sim/host/SuiteRegistry.h"

namespace hostsim {
namespace {

AIErr GetBooleanPreference(const char* prefix, const char* suffix, AIBoolean* value)
{
    if (!prefix || !suffix || !value)
        return BadParameterError();
    bool stored = false;
    if (Host::Current().Preferences().GetBoolean(prefix, suffix, stored))
        *value = stored ? 1 : 0;
    return kNoErr;
}

AIErr PutBooleanPreference(const char* prefix, const char* suffix, AIBoolean value)
{
    if (!prefix || !suffix)
        return BadParameterError();
    Host::Current().Preferences().PutBoolean(prefix, suffix, value != 0);
    return kNoErr;
}

const AIPreferenceSuite kPreferences = {GetBooleanPreference, PutBooleanPreference};

}  // namespace

void RegisterPreferenceSuite(SuiteRegistry& suites)
{
    suites.Add(kPreferences);
}

}  // namespace hostsim
