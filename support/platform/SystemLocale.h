#pragma once

#include <string>

// The user's default locale for the character-type category, as the C runtime names it
// ("French_France.1252" on Windows, "fr_FR.UTF-8" on POSIX). The process's own locale is left as
// it was.
namespace platform {

std::string UserLocaleName();
// The answer when the runtime cannot set the user's locale: on POSIX the first non-empty of
// LC_ALL, LC_CTYPE and LANG (the locale may just not be installed), "C" otherwise.
std::string FallbackLocaleName();

} // namespace platform
