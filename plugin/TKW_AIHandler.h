#pragma once

#include "plugin/suites/SPTypes.h"

// A registry of one kind of host object, owned by the plug-in. It answers the messages of its own
// caller ("AI Menu", "AI Notifier", ...) by finding the addressed object; every other message
// and every unmatched one gives 0. Not derived, it is the registry of a kind of object the
// plug-in never registers and matches nothing.
class TKW_AIHandler
{
public:
    explicit TKW_AIHandler(const char* caller) : m_caller(caller) {}
    virtual ~TKW_AIHandler() = default;

    TKW_AIHandler(const TKW_AIHandler&) = delete;
    TKW_AIHandler& operator=(const TKW_AIHandler&) = delete;

    ASErr Dispatch(const char* caller, const char* selector, void* message);

    // Deletes every object held; each leaves the registry through its owner while it is deleted.
    virtual void DeleteAll() {}

protected:
    // `message` starts with the common header; the addressed handle follows it.
    virtual ASErr DispatchAddressed(const char* selector, void* message);

private:
    const char* m_caller;
};
