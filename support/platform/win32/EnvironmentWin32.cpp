#include "support/platform/Environment.h"

#include <cstdlib>

namespace platform {

std::optional<std::string> ReadEnvironment(const char* name)
{
    // _putenv_s updates the runtime's copy of the environment, which getenv reads.
    const char* value = std::getenv(name);
    if (value == nullptr)
        return std::nullopt;
    return std::string(value);
}

bool WriteEnvironment(const char* name, const char* value)
{
    return ::_putenv_s(name, value) == 0;
}

} // namespace platform
