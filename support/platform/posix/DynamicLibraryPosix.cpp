#include "support/platform/DynamicLibrary.h"

#include "support/platform/FileStream.h"

#include <cerrno>
#include <dlfcn.h>

namespace platform {

const char* SharedLibrarySuffix()
{
    return ".so";
}

void* LoadDynamicLibrary(const char* path, int& errorCode)
{
    errno = 0;
    void* library = ::dlopen(NativePath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    errorCode = library != nullptr ? 0 : errno;
    return library;
}

void* FindLibrarySymbol(void* library, const char* name)
{
    return ::dlsym(library, name);
}

} // namespace platform
