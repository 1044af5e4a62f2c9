#include "support/platform/FileSystem.h"

#include "support/platform/win32/SystemError.h"
#include "support/platform/win32/WideName.h"

#include <fcntl.h>
#include <io.h>
#include <memory>
#include <type_traits>
#include <utility>

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace platform {

const char kPathSeparator = '\\';
const bool kNamesReachDevicesAndStreams = true;

namespace {

struct FindCloser
{
    void operator()(HANDLE find) const { FindClose(find); }
};
using FindHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindCloser>;

bool NativePath(const std::string& utf8, std::wstring& wide)
{
    return FileApiName(utf8, wide);
}

DWORD Attributes(const std::string& path)
{
    std::wstring wide;
    return NativePath(path, wide) ? GetFileAttributesW(wide.c_str()) : INVALID_FILE_ATTRIBUTES;
}

bool IsRegularFind(const WIN32_FIND_DATAW& data)
{
    return (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

} // namespace

bool IsPathSeparator(char c)
{
    return c == '/' || c == '\\';
}

bool AbsolutePath(const std::string& path, std::string& absolute)
{
    std::wstring wide;
    if (path.empty() || !ToWide(path, wide))
        return false;
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return false;
    std::wstring full(size, L'\0');
    const DWORD written = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (written == 0 || written >= size)
        return false;
    absolute = FromWide(full.c_str());
    return true;
}

bool ListRegularFiles(const std::string& folder, std::vector<std::string>& names)
{
    names.clear();
    std::string pattern = folder;
    if (pattern.empty() || !IsPathSeparator(pattern.back()))
        pattern += kPathSeparator;
    pattern += '*';
    std::wstring wide;
    if (!NativePath(pattern, wide))
        return false;
    WIN32_FIND_DATAW data {};
    FindHandle find(FindFirstFileW(wide.c_str(), &data));
    if (find.get() == INVALID_HANDLE_VALUE) {
        find.release();
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    do {
        if (IsRegularFind(data))
            names.push_back(FromWide(data.cFileName));
    } while (FindNextFileW(find.get(), &data));
    return GetLastError() == ERROR_NO_MORE_FILES;
}

bool IsFolder(const std::string& path)
{
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Exists(const std::string& path)
{
    return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool CreateFolder(const std::string& path)
{
    std::wstring wide;
    if (!NativePath(path, wide))
        return false;
    return CreateDirectoryW(wide.c_str(), nullptr)
        || (GetLastError() == ERROR_ALREADY_EXISTS && IsFolder(path));
}

bool RemoveFile(const std::string& path)
{
    std::wstring wide;
    if (!NativePath(path, wide))
        return false;
    if (DeleteFileW(wide.c_str()))
        return true;
    SetErrnoFromSystem();
    return false;
}

std::FILE* CreateNewFile(const std::string& path, FileMode mode)
{
    const bool binary = mode == FileMode::Binary;
    std::wstring wide;
    if (!NativePath(path, wide))
        return nullptr;
    HANDLE handle = CreateFileW(wide.c_str(), binary ? GENERIC_READ | GENERIC_WRITE : GENERIC_WRITE, 0,
                                nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        SetErrnoFromSystem();
        return nullptr;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), binary ? _O_RDWR | _O_BINARY : _O_WRONLY | _O_TEXT);
    if (fd == -1) {
        CloseHandle(handle);
        DeleteFileW(wide.c_str());
        return nullptr;
    }
    std::FILE* file = _fdopen(fd, binary ? "w+b" : "w");
    if (!file) {
        _close(fd);
        DeleteFileW(wide.c_str());
    }
    return file;
}

bool FlushToDisk(std::FILE* file)
{
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0 && !std::ferror(file);
}

MoveResult MoveInto(const std::string& from, const std::string& to, bool replace)
{
    std::wstring wideFrom;
    std::wstring wideTo;
    if (!NativePath(from, wideFrom) || !NativePath(to, wideTo))
        return MoveResult::Failed;
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (MoveFileExW(wideFrom.c_str(), wideTo.c_str(), flags))
        return MoveResult::Moved;
    const DWORD error = GetLastError();
    if (!replace && (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS))
        return MoveResult::TargetExists;
    SetErrnoFromSystem();
    return MoveResult::Failed;
}

} // namespace platform
