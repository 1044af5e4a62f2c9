#include "support/platform/SharedFolders.h"

#include <cstdlib>

namespace platform {

namespace {

// A set, non-empty variable's value, or null.
const char* Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

} // namespace

// Linux has no documents folder writable by every user, so the settings follow the XDG data
// home of the user running the host; macOS has one.
bool SharedDocumentsFolder(std::string& path)
{
    if (const char* value = Variable(kSharedDocumentsVariable)) {
        path = value;
        return true;
    }
#ifdef __APPLE__
    path = "/Users/Shared";
    return true;
#else
    if (const char* dataHome = Variable("XDG_DATA_HOME"); dataHome && *dataHome == '/') {
        path = dataHome;
        return true;
    }
    if (const char* home = Variable("HOME")) {
        path = std::string(home) + "/.local/share";
        return true;
    }
    return false;
#endif
}

} // namespace platform
