#pragma once

// Loading shared libraries by path. Libraries loaded here stay loaded until the process ends.
namespace platform {

// ".dll" on Windows, ".so" elsewhere.
const char* SharedLibrarySuffix();
// The library at the UTF-8 `path`, or null; `errorCode` then holds the system's error code
// (GetLastError on Windows, errno elsewhere).
void* LoadDynamicLibrary(const char* path, int& errorCode);
// The address of the exported symbol `name`, or null.
void* FindLibrarySymbol(void* library, const char* name);

} // namespace platform
