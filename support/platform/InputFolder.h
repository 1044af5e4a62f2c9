#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A folder held open for reading many of its files (InputFile): each is then found by its name
// alone, without walking the folder's whole path again. Closed when it goes out of scope.
class InputFolder
{
public:
    // `path` is UTF-8 and ends in a separator.
    explicit InputFolder(const std::string& path);
    ~InputFolder();
    InputFolder(const InputFolder&) = delete;
    InputFolder& operator=(const InputFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // The system's handle of the open folder; -1 where files are opened by path.
    intptr_t Handle() const { return m_handle; }

private:
    std::string m_path;
    intptr_t m_handle = -1;
};

} // namespace platform
