#include "support/platform/InputFolder.h"

namespace platform {

// Win32 opens files by path only.
InputFolder::InputFolder(const std::string& path)
    : m_path(path)
{
}

InputFolder::~InputFolder() = default;

} // namespace platform
