#include "support/platform/InputFile.h"

#include "support/platform/InputFolder.h"
#include "support/platform/win32/WideName.h"

#include <algorithm>

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace platform {
namespace {

HANDLE Native(intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

InputFile::InputFile(const std::string& path)
{
    std::wstring wide;
    if (FileApiName(path, wide))
        Take(reinterpret_cast<intptr_t>(CreateFileW(wide.c_str(), GENERIC_READ,
                                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
}

InputFile::InputFile(const InputFolder& folder, const std::string& name)
    : InputFile(folder.Path() + name)
{
}

// Only disk files that are neither folders nor devices count; pipes and consoles are refused.
void InputFile::Take(intptr_t handle)
{
    if (Native(handle) == INVALID_HANDLE_VALUE)
        return;
    m_handle = handle;
    BY_HANDLE_FILE_INFORMATION info {};
    if (GetFileType(Native(handle)) != FILE_TYPE_DISK || !GetFileInformationByHandle(Native(handle), &info)
        || (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0)
        return;
    m_open = true;
    m_left = std::min((uint64_t {info.nFileSizeHigh} << 32) | info.nFileSizeLow, kReadLimit);
}

InputFile::~InputFile()
{
    if (m_handle != -1)
        CloseHandle(Native(m_handle));
}

size_t InputFile::Read(char* buffer, size_t size)
{
    const DWORD wanted = static_cast<DWORD>(std::min<uint64_t>({size, m_left, MAXDWORD}));
    DWORD count = 0;
    if (!m_open || wanted == 0 || !ReadFile(Native(m_handle), buffer, wanted, &count, nullptr) || count == 0) {
        m_left = 0;
        return 0;
    }
    m_left -= count;
    return count;
}

} // namespace platform
