#include "support/platform/Environment.h"

#include <cstdlib>

namespace platform {

std::optional<std::string> ReadEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr)
        return std::nullopt;
    return std::string(value);
}

bool WriteEnvironment(const char* name, const char* value)
{
    return ::setenv(name, value, 1) == 0;
}

} // namespace platform
