#include "support/platform/InputFolder.h"

#include <fcntl.h>
#include <unistd.h>

namespace platform {

InputFolder::InputFolder(const std::string& path)
    : m_path(path), m_handle(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
}

InputFolder::~InputFolder()
{
    if (m_handle >= 0)
        close(static_cast<int>(m_handle));
}

} // namespace platform
