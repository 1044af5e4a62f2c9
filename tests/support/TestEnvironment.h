#pragma once

#include "support/platform/Environment.h"

#include <cstdlib>

// Sets (or, with a null value, removes) a process environment variable for a test, through the
// platform layer so that tests see what the product's own writes give.
inline void SetTestEnvironment(const char* name, const char* value)
{
#ifdef _WIN32
    platform::WriteEnvironment(name, value != nullptr ? value : "");
#else
    if (value != nullptr)
        platform::WriteEnvironment(name, value);
    else
        ::unsetenv(name);
#endif
}
