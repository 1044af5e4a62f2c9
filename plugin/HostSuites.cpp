#include "plugin/HostSuites.h"

#include "plugin/AIError.h"
#include "plugin/suites/SPBasicSuite.h"
#include "plugin/suites/SPMessages.h"

#include <array>
#include <cstring>

namespace {
const SPBasicSuite* g_basicSuite = nullptr;
std::array<const void*, kKnownSuiteCount> g_suitePointers{};
}  // namespace

const SPBasicSuite* HostBasicSuite()
{
    return g_basicSuite;
}

void SetHostBasicSuite(const SPBasicSuite* basic)
{
    g_basicSuite = basic;
}

const void*& KnownSuitePointer(std::size_t index)
{
    return g_suitePointers.at(index);
}

bool IsSameMessageString(const char* a, const char* b)
{
    if (a == nullptr || b == nullptr)
        return false;
    if (g_basicSuite != nullptr && g_basicSuite->IsEqual != nullptr)
        return g_basicSuite->IsEqual(a, b) != 0;
    return std::strcmp(a, b) == 0;
}

bool IsShutdownMessage(const char* caller, const char* selector)
{
    return IsSameMessageString(caller, kSPInterfaceCaller) &&
           IsSameMessageString(selector, kSPInterfaceShutdownSelector);
}

void ThrowSuiteNotFound()
{
    throw ai::Error(kSuiteNotFoundErr);
}
