#pragma once

#include "support/Folder.h"

#include <string>
#include <string_view>

// The file of a setting: name + ".press" inside the settings folder. The name has at most 255
// bytes, the file name must be a folder entry that a listing can show (FileName::IsEntryName),
// and the full path must fit the store's 512-byte path buffer; anything else is refused before
// the file system is asked.
class PressPath
{
public:
    static constexpr size_t kBufferSize = 512;
    static constexpr std::string_view kExtension = ".press";

    PressPath(const Folder& folder, std::string_view name);

    bool IsValid() const { return m_valid; }
    const std::string& FileName() const { return m_fileName; }
    const std::string& FullPath() const { return m_fullPath; }

private:
    bool m_valid = false;
    std::string m_fileName;
    std::string m_fullPath;
};
