#include "support/Folder.h"

#include "support/FileName.h"
#include "support/platform/FileSystem.h"

#include <utility>

bool Folder::Resolve(const std::string& path, Folder& folder)
{
    std::string absolute;
    if (path.empty() || !platform::AbsolutePath(path, absolute))
        return false;
    if (!FileName::EndsWithSeparator(absolute))
        absolute += platform::kPathSeparator;
    folder.m_path = std::move(absolute);
    return true;
}

std::string Folder::FilePath(std::string_view name) const
{
    return m_path + std::string(name);
}

bool Folder::ListRegularFiles(std::vector<std::string>& names) const
{
    return platform::ListRegularFiles(m_path, names);
}

bool Folder::Exists() const
{
    return platform::IsFolder(m_path);
}

bool Folder::CreateWithParents() const
{
    // Parents that cannot be created (a drive or a server share) may exist already, so a
    // failure is judged only by the result.
    for (size_t end = 1; end < m_path.size(); ++end) {
        if (!platform::IsPathSeparator(m_path[end]) || platform::IsPathSeparator(m_path[end - 1]))
            continue;
        const std::string parent = m_path.substr(0, end);
        if (!platform::IsFolder(parent))
            platform::CreateFolder(parent);
    }
    return Exists();
}
