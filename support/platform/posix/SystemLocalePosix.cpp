#include "support/platform/SystemLocale.h"

#include "support/platform/Environment.h"

namespace platform {
namespace {

constexpr const char* kLocaleVariables[] = {"LC_ALL", "LC_CTYPE", "LANG"};

} // namespace

std::string FallbackLocaleName()
{
    for (const char* name : kLocaleVariables) {
        const auto value = ReadEnvironment(name);
        if (value && !value->empty())
            return *value;
    }
    return "C";
}

} // namespace platform
