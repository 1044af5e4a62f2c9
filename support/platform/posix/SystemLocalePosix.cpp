#include "support/platform/SystemLocale.h"

#include "support/platform/Environment.h"

#include <clocale>

namespace platform {
namespace {

// setlocale fails when the named locale is not installed; the user's choice is still in the
// environment, read in the C library's order of precedence.
constexpr const char* kLocaleVariables[] = {"LC_ALL", "LC_CTYPE", "LANG"};

std::string LocaleFromEnvironment()
{
    for (const char* name : kLocaleVariables) {
        const auto value = ReadEnvironment(name);
        if (value && !value->empty())
            return *value;
    }
    return "C";
}

} // namespace

std::string UserLocaleName()
{
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    const std::string saved = current != nullptr ? current : "C";
    const char* user = std::setlocale(LC_CTYPE, "");
    if (user == nullptr)
        return LocaleFromEnvironment();
    std::string name(user);
    std::setlocale(LC_CTYPE, saved.c_str());
    return name;
}

} // namespace platform
