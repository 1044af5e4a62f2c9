#pragma once

#include "support/platform/Environment.h"

#include <cstdlib>
#include <optional>
#include <string>

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

// Sets an environment variable for the guard's lifetime and restores the old state.
class EnvironmentGuard
{
public:
    EnvironmentGuard(const char* name, const std::string& value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        SetTestEnvironment(name, value.c_str());
    }
    ~EnvironmentGuard() { SetTestEnvironment(m_name.c_str(), m_old ? m_old->c_str() : nullptr); }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};
