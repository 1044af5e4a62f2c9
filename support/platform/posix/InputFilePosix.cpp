#include "support/platform/InputFile.h"

#include "support/platform/InputFolder.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

// O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
constexpr int kFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

} // namespace

InputFile::InputFile(const std::string& path)
{
    Take(open(path.c_str(), kFlags));
}

InputFile::InputFile(const InputFolder& folder, const std::string& name)
{
    Take(openat(static_cast<int>(folder.Handle()), name.c_str(), kFlags));
}

void InputFile::Take(intptr_t handle)
{
    m_handle = handle;
    m_open = m_handle >= 0;
    m_left = m_open ? kReadLimit : 0;
}

InputFile::~InputFile()
{
    if (m_handle >= 0)
        close(static_cast<int>(m_handle));
}

size_t InputFile::Read(char* buffer, size_t size)
{
    const size_t wanted = static_cast<size_t>(std::min<uint64_t>(size, m_left));
    if (!m_open || wanted == 0)
        return 0;
    ssize_t count = 0;
    do
        count = read(static_cast<int>(m_handle), buffer, wanted);
    while (count < 0 && errno == EINTR);
    if (count <= 0) {
        m_left = 0;
        return 0;
    }
    // A regular file gives all it has; a FIFO or a device is not waited for.
    m_left = static_cast<size_t>(count) < wanted ? 0 : m_left - static_cast<uint64_t>(count);
    return static_cast<size_t>(count);
}

} // namespace platform
