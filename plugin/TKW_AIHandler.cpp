#include "plugin/TKW_AIHandler.h"

#include "plugin/HostSuites.h"

ASErr TKW_AIHandler::Dispatch(const char* caller, const char* selector, void* message)
{
    if (message == nullptr || !IsSameMessageString(caller, m_caller))
        return kNoErr;
    return DispatchAddressed(selector, message);
}

ASErr TKW_AIHandler::DispatchAddressed(const char*, void*)
{
    return kNoErr;
}
