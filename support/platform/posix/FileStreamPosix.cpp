#include "support/platform/FileStream.h"

#include <algorithm>

namespace platform {

std::string NativePath(const char* path)
{
    std::string native(path);
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

std::FILE* OpenFileStream(const char* path, const char* mode)
{
    return std::fopen(NativePath(path).c_str(), mode);
}

} // namespace platform
