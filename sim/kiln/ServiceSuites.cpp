// "HL Kiln HL Suite", "HL Preferences Suite" and "Corvane Message Center Suite".

#include "plugin/suites/CorvaneMessageCenterSuite.h"
#include "plugin/suites/HLKilnHLSuite.h"
#include "plugin/suites/HLPreferencesSuite.h"
#include "sim/kiln/BufferText.h"
#include "sim/kiln/EngineCall.h"
#include "sim/kiln/EngineSuites.h"

namespace kiln {
namespace {

ASErr GetConnectionStatus(char* title, ASInt32 titleSize, char* message, ASInt32 messageSize, ASInt32* status,
                          AIBoolean recent)
{
    CallText call("GetConnectionStatus");
    call.Int(titleSize).Int(messageSize).Int(recent);
    return Answered(call, kKilnNotStartedError, [=](Engine& engine) {
        if (!title || titleSize < 1 || !message || messageSize < 1 || !status)
            return kKilnBadParameterError;
        const ConnectionStatus& connection = engine.Connection();
        WriteText(connection.title, title, titleSize);
        WriteText(connection.message, message, messageSize);
        *status = connection.status;
        return kNoErr;
    });
}

// Both getters hand out the stored value unchanged, so callers' own conversions stay visible.
ASErr GetPreference(const char* entry, const char* section, const char* key, ASInt32* value)
{
    return Answered(CallText(entry).Text(section).Text(key), kKilnNotStartedError, [=](Engine& engine) {
        if (!section || !key || !value)
            return kKilnBadParameterError;
        return engine.Preferences().Get(section, key, *value) ? kNoErr : kKilnAbsentKeyError;
    });
}

ASErr GetBooleanPreference(const char* section, const char* key, ASInt32* value)
{
    return GetPreference("GetBooleanPreference", section, key, value);
}

ASErr GetIntegerPreference(const char* section, const char* key, ASInt32* value)
{
    return GetPreference("GetIntegerPreference", section, key, value);
}

ASInt32 RegisterClient(const char* applicationId, const char* displayName, const char* untranslatedName)
{
    CallText call("RegisterClient");
    call.Text(applicationId).Text(displayName).Text(untranslatedName);
    return Answered(call, 0, [=](Engine& engine) {
        return applicationId ? engine.Messages().RegisterClient(applicationId) : 0;
    });
}

ASInt32 BeginActivity(ASInt32 clientId, const char* displayName, const char* untranslatedName)
{
    CallText call("BeginActivity");
    call.Int(clientId).Text(displayName).Text(untranslatedName);
    return Answered(call, 0, [=](Engine& engine) { return engine.Messages().BeginActivity(clientId); });
}

ASErr EndActivity(ASInt32 token)
{
    return Answered(CallText("EndActivity").Int(token), kKilnNotStartedError, [=](Engine& engine) {
        return engine.Messages().EndActivity(token) ? kNoErr : kKilnUnknownHandleError;
    });
}

const HLKilnHLSuite kConnection = {{}, GetConnectionStatus};
const HLPreferencesSuite kPreferences = {GetBooleanPreference, {}, GetIntegerPreference};
const CorvaneMessageCenterSuite kMessageCenter = {RegisterClient, {}, BeginActivity, EndActivity};

}  // namespace

const HLKilnHLSuite& ConnectionSuiteTable()
{
    return kConnection;
}

const HLPreferencesSuite& PreferencesSuiteTable()
{
    return kPreferences;
}

const CorvaneMessageCenterSuite& MessageCenterSuiteTable()
{
    return kMessageCenter;
}

}  // namespace kiln
