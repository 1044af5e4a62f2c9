#pragma once

#include <string>

// The user's default locale for the character-type category, as the C runtime names it
// ("French_France.1252" on Windows, "fr_FR.UTF-8" on POSIX). The process's own locale is left as
// it was.
namespace platform {

std::string UserLocaleName();

} // namespace platform
