#include "support/platform/Environment.h"

#include <cstdlib>

namespace platform {

// Windows's _putenv_s updates the runtime's copy of the environment, which getenv reads, so one
// reader serves every system.
const char* PeekEnvironment(const char* name)
{
    return std::getenv(name);
}

std::optional<std::string> ReadEnvironment(const char* name)
{
    const char* value = PeekEnvironment(name);
    if (value == nullptr)
        return std::nullopt;
    return std::string(value);
}

} // namespace platform
