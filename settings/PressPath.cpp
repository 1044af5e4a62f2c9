#include "settings/PressPath.h"

#include "settings/PressSettings.h"
#include "support/FileName.h"

PressPath::PressPath(const Folder& folder, std::string_view name)
    : m_fileName(std::string(name) + std::string(kExtension))
{
    if (name.size() > PressSettings::kMaxNameBytes || !FileName::IsEntryName(m_fileName))
        return;
    m_fullPath = folder.FilePath(m_fileName);
    m_valid = !folder.Path().empty() && m_fullPath.size() < kBufferSize;
}
