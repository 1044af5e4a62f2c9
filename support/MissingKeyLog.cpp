#include "support/MissingKeyLog.h"

#include "support/ResourceFileParser.h"
#include "support/platform/Environment.h"
#include "support/platform/FileStream.h"

MissingKeyLog::MissingKeyLog()
    : m_known(ResourceDatabase::Create())
{
}

void MissingKeyLog::Reset()
{
    m_known.reset(ResourceDatabase::Create());
    const auto file = platform::ReadEnvironment(kVariable);
    if (m_known && file && !file->empty())
        ParseResourceFile(m_known.get(), file->c_str());
}

void MissingKeyLog::Record(const std::string& key)
{
    const auto file = platform::ReadEnvironment(kVariable);
    if (!m_known || !file || file->empty() || ResourceDatabase::Lookup(m_known.get(), key.c_str()))
        return;
    const std::string last = LastComponent(key);
    platform::FileStreamPtr stream(platform::OpenFileStream(file->c_str(), "ab"));
    if (stream)
        std::fprintf(stream.get(), "\n\"%s\" : \"%s\"", key.c_str(), last.c_str());
    ResourceDatabase::Insert(m_known.get(), key.c_str(), last.c_str());
}

std::string MissingKeyLog::LastComponent(const std::string& key)
{
    size_t start = 0;
    for (size_t i = 0; i < key.size(); ++i) {
        if (key[i] == '\\')
            ++i;
        else if (key[i] == '.')
            start = i + 1;
    }
    return key.substr(start);
}
