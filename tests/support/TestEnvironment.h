#pragma once

#include <cstdlib>

// Sets (or, with a null value, removes) a process environment variable for a test.
inline void SetTestEnvironment(const char* name, const char* value)
{
#ifdef _WIN32
    ::_putenv_s(name, value != nullptr ? value : "");
#else
    if (value != nullptr)
        ::setenv(name, value, 1);
    else
        ::unsetenv(name);
#endif
}
