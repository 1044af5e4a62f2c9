#include "support/platform/SharedFolders.h"

#include "support/platform/win32/WideName.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <shlobj.h>

namespace platform {

namespace {

// The variable's value when set and not empty.
bool OverrideFolder(std::string& path)
{
    std::wstring name;
    ToWide(kSharedDocumentsVariable, name);
    const DWORD size = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
    if (size <= 1)
        return false;
    std::wstring value(size, L'\0');
    if (GetEnvironmentVariableW(name.c_str(), value.data(), size) + 1 != size)
        return false;
    path = FromWide(value.c_str());
    return true;
}

} // namespace

bool SharedDocumentsFolder(std::string& path)
{
    if (OverrideFolder(path))
        return true;
    wchar_t folder[MAX_PATH] = {};
    // S_FALSE means the folder does not exist and leaves the path empty.
    if (SHGetFolderPathW(nullptr, CSIDL_COMMON_DOCUMENTS, nullptr, SHGFP_TYPE_CURRENT, folder)
            != S_OK
        || folder[0] == L'\0')
        return false;
    path = FromWide(folder);
    return true;
}

} // namespace platform
