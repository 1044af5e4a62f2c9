#include "support/platform/DynamicLibrary.h"

#include "support/platform/win32/WideText.h"

#include <windows.h>

namespace platform {

namespace {

// Keeps the loader from showing a message box inside the host for a damaged or unreadable
// library while this thread loads one; the failure is reported by return value instead.
class ScopedQuietLoader {
public:
    ScopedQuietLoader()
    {
        ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &m_saved);
    }
    ~ScopedQuietLoader() { ::SetThreadErrorMode(m_saved, nullptr); }
    ScopedQuietLoader(const ScopedQuietLoader&) = delete;
    ScopedQuietLoader& operator=(const ScopedQuietLoader&) = delete;

private:
    DWORD m_saved = 0;
};

} // namespace

const char* SharedLibrarySuffix()
{
    return ".dll";
}

void* LoadDynamicLibrary(const char* path, int& errorCode)
{
    const std::wstring widePath = WidenPath(path);
    HMODULE library = nullptr;
    {
        const ScopedQuietLoader quiet;
        library = ::LoadLibraryW(widePath.c_str());
        errorCode = library != nullptr ? 0 : static_cast<int>(::GetLastError());
    }
    return reinterpret_cast<void*>(library);
}

void* FindLibrarySymbol(void* library, const char* name)
{
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name));
}

} // namespace platform
