#include "support/platform/FileStream.h"

#include "support/platform/win32/WideText.h"

namespace platform {

std::string NativePath(const char* path)
{
    return path;
}

std::FILE* OpenFileStream(const char* path, const char* mode)
{
    const std::wstring widePath = WidenPath(path);
    if (widePath.empty())
        return nullptr;
    return ::_wfopen(widePath.c_str(), WidenUtf8(mode).c_str());
}

} // namespace platform
