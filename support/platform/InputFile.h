#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

class InputFolder;

// A file opened for reading only when the opened file itself is a regular file (a symbolic
// link counts by what it names), so that an entry swapped for something else after a listing
// is caught as well. Opening never waits: a FIFO or a device is refused at once. Closed when
// it goes out of scope.
class InputFile
{
public:
    // Opens the UTF-8 `path`; IsOpen() tells whether that worked.
    explicit InputFile(const std::string& path);
    // Opens the file `name` of the open `folder`.
    InputFile(const InputFolder& folder, const std::string& name);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool IsOpen() const { return m_open; }
    // Reads up to `size` bytes; 0 at the end or on an error. Reading stops at the size the
    // file had when it was opened, so a file that grows meanwhile ends where it ended then.
    size_t Read(char* buffer, size_t size);

private:
    // Keeps `handle` when it is an open regular file.
    void Take(intptr_t handle);

    bool m_open = false;
    intptr_t m_handle = -1;
    uint64_t m_left = 0;
};

} // namespace platform
