#include "support/platform/SystemLocale.h"

#include <clocale>

namespace platform {

std::string UserLocaleName()
{
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    const std::string saved = current != nullptr ? current : "C";
    const char* user = std::setlocale(LC_CTYPE, "");
    if (user == nullptr)
        return FallbackLocaleName();
    std::string name(user);
    std::setlocale(LC_CTYPE, saved.c_str());
    return name;
}

} // namespace platform
