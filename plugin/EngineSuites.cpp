#include "plugin/EngineSuites.h"

#include "plugin/HostSuites.h"
#include "plugin/suites/SPBasicSuite.h"

EngineSuites& EngineSuitePointers()
{
    static EngineSuites pointers;
    return pointers;
}

ASErr AcquireEngineSuite(const char* name, ASInt32 version, const void** pointer)
{
    if (*pointer != nullptr)
        return kNoErr;
    const SPBasicSuite* basic = HostBasicSuite();
    if (basic == nullptr)
        return kSuiteNotFoundErr;
    const ASErr error = basic->AcquireSuite(name, version, pointer);
    if (error != kNoErr)
        *pointer = nullptr;
    return error;
}
