#include "support/platform/Environment.h"

#include <cstdlib>

namespace platform {

bool WriteEnvironment(const char* name, const char* value)
{
    return ::_putenv_s(name, value) == 0;
}

} // namespace platform
