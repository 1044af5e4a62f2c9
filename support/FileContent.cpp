#include "support/FileContent.h"

#include "support/ResourceError.h"
#include "support/platform/FileStream.h"

#include <new>

bool ReadWholeFile(const char* path, std::string& content)
{
    platform::FileStreamPtr file(platform::OpenFileStream(path, "rb"));
    if (!file) {
        SetResourceError(ResourceError::FileAccess);
        return false;
    }
    content.clear();
    char chunk[8192];
    try {
        size_t count = 0;
        while ((count = std::fread(chunk, 1, sizeof(chunk), file.get())) > 0)
            content.append(chunk, count);
    } catch (const std::bad_alloc&) {
        SetResourceError(ResourceError::OutOfMemory);
        return false;
    }
    if (std::ferror(file.get()) != 0) {
        SetResourceError(ResourceError::FileAccess);
        return false;
    }
    SetResourceError(ResourceError::None);
    return true;
}
