#include "support/platform/Environment.h"

#include <cstdlib>

namespace platform {

bool WriteEnvironment(const char* name, const char* value)
{
    return ::setenv(name, value, 1) == 0;
}

} // namespace platform
