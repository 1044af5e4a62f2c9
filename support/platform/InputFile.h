#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

class InputFolder;

// A file opened for reading that can neither make its reader wait nor keep it reading, whatever
// the entry turns out to be (it may have been swapped for something else after a listing):
// opening never waits, and reading ends at the file's end, on an error, or after kReadLimit
// bytes. On Windows only disk files open; elsewhere a FIFO or a device reads as what it gives
// at once, which spares asking the system what each of thousands of small files is. Closed when
// it goes out of scope.
class InputFile
{
public:
    // Far more than any file read this way holds.
    static constexpr uint64_t kReadLimit = uint64_t {1} << 20;

    // Opens the UTF-8 `path`; IsOpen() tells whether that worked.
    explicit InputFile(const std::string& path);
    // Opens the file `name` of the open `folder`.
    InputFile(const InputFolder& folder, const std::string& name);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool IsOpen() const { return m_open; }
    // Reads up to `size` bytes; 0 at the end or on an error. A read that gives less than it
    // was asked for is the last, so a file that grows meanwhile ends where it ended then.
    size_t Read(char* buffer, size_t size);

private:
    // Keeps `handle` when it is open (on Windows, when it is a disk file).
    void Take(intptr_t handle);

    bool m_open = false;
    intptr_t m_handle = -1;
    uint64_t m_left = 0;
};

} // namespace platform
