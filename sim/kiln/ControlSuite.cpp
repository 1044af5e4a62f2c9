// "HL Kiln Control Suite": the simulation's own entries, never recorded.

#include "sim/kiln/BufferText.h"
#include "sim/kiln/EngineCall.h"
#include "sim/kiln/EngineSuites.h"

namespace kiln {
namespace {

ASErr SetEngineReady(ASInt32 ready)
{
    return Controlled(kKilnNotStartedError, [=](Engine& engine) {
        engine.SetReady(ready);
        return kNoErr;
    });
}

ASErr SetConnectionStatus(ASInt32 status, const char* title, const char* message)
{
    return Controlled(kKilnNotStartedError, [=](Engine& engine) {
        if (!title || !message)
            return kKilnBadParameterError;
        engine.SetConnection({status, title, message});
        return kNoErr;
    });
}

ASErr LoadColorBook(const char* path)
{
    return Controlled(kKilnNotStartedError,
                      [=](Engine& engine) { return path ? engine.Book().Load(path) : kKilnBadParameterError; });
}

ASErr PushJob(AIBoolean keepView)
{
    return Controlled(kKilnNotStartedError, [=](Engine& engine) {
        std::string error;
        return engine.Jobs().PushJob(keepView != 0, error) ? kNoErr : kKilnGenerationError;
    });
}

ASInt32 CountOpenResults()
{
    return Controlled(0, [](Engine& engine) { return engine.Jobs().OpenResults(); });
}

ASInt32 CountCalls()
{
    return Controlled(0, [](Engine& engine) { return static_cast<ASInt32>(engine.Calls().Size()); });
}

ASInt32 GetCall(ASInt32 index, char* buffer, ASInt32 size)
{
    return Controlled(-1, [=](Engine& engine) {
        const CallRecord& calls = engine.Calls();
        if (index < 0 || static_cast<std::size_t>(index) >= calls.Size())
            return -1;
        const std::string& call = calls.At(static_cast<std::size_t>(index));
        WriteText(call, buffer, size);
        return static_cast<ASInt32>(call.size());
    });
}

ASErr ClearCalls()
{
    return Controlled(kKilnNotStartedError, [](Engine& engine) {
        engine.Calls().Clear();
        return kNoErr;
    });
}

ASInt32 CountForgottenCalls()
{
    return Controlled(0, [](Engine& engine) { return static_cast<ASInt32>(engine.Calls().Forgotten()); });
}

ASErr SetPreferencesFolder(const char* folder)
{
    return Controlled(kKilnNotStartedError, [=](Engine& engine) {
        return folder ? engine.Preferences().Open(folder) : kKilnBadParameterError;
    });
}

ASErr SetPreference(const char* section, const char* key, ASInt32 value)
{
    return Controlled(kKilnNotStartedError, [=](Engine& engine) {
        return section && key ? engine.Preferences().Set(section, key, value) : kKilnBadParameterError;
    });
}

ASErr RemovePreference(const char* section, const char* key)
{
    return Controlled(kKilnNotStartedError, [=](Engine& engine) {
        return section && key ? engine.Preferences().Remove(section, key) : kKilnBadParameterError;
    });
}

ASInt32 CountClients()
{
    return Controlled(0, [](Engine& engine) { return engine.Messages().Clients(); });
}

ASInt32 CountOpenActivities()
{
    return Controlled(0, [](Engine& engine) { return engine.Messages().OpenActivities(); });
}

const KilnControlSuite kControl = {SetEngineReady,      SetConnectionStatus, LoadColorBook,    PushJob,
                                   CountOpenResults,    CountCalls,          GetCall,          ClearCalls,
                                   CountForgottenCalls, SetPreferencesFolder, SetPreference,   RemovePreference,
                                   CountClients,        CountOpenActivities};

}  // namespace

const KilnControlSuite& ControlSuiteTable()
{
    return kControl;
}

}  // namespace kiln
