#include "plugin/AIFilePath.h"

#include "plugin/AIError.h"
#include "plugin/HostSuites.h"

#include <cstring>
#include <vector>

namespace ai {

FilePath::FilePath() : m_suite(&RequireHostSuite<AIFilePathSuite>())
{
    Check(m_suite->NewFilePath(&m_handle));
}

FilePath::~FilePath()
{
    if (m_handle != nullptr)
        m_suite->DeleteFilePath(m_handle);
}

std::string FilePath::PlatformText() const
{
    std::size_t needed = 0;
    Check(m_suite->GetAsPlatformText(m_handle, nullptr, 0, &needed));
    if (needed <= 1)
        return std::string();
    std::vector<char> buffer(needed);
    Check(m_suite->GetAsPlatformText(m_handle, buffer.data(), buffer.size(), &needed));
    return std::string(buffer.data(), strnlen(buffer.data(), buffer.size()));
}

}  // namespace ai
