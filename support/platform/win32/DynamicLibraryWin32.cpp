#include "support/platform/DynamicLibrary.h"

#include "support/platform/win32/WideText.h"

#include <windows.h>

namespace platform {

const char* SharedLibrarySuffix()
{
    return ".dll";
}

void* LoadDynamicLibrary(const char* path, int& errorCode)
{
    HMODULE library = ::LoadLibraryW(WidenPath(path).c_str());
    errorCode = library != nullptr ? 0 : static_cast<int>(::GetLastError());
    return reinterpret_cast<void*>(library);
}

void* FindLibrarySymbol(void* library, const char* name)
{
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name));
}

} // namespace platform
