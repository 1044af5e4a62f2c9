#include "support/platform/SystemLocale.h"

namespace platform {

std::string FallbackLocaleName()
{
    return "C";
}

} // namespace platform
