#include "support/SearchPath.h"

#include "support/platform/FileStream.h"

#include <cctype>

namespace {

bool Opens(const std::string& path)
{
    return platform::FileStreamPtr(platform::OpenFileStream(path.c_str(), "rb")) != nullptr;
}

std::string Join(const std::string& directory, const std::string& name)
{
    if (directory.back() == '\\')
        return directory + name;
    return directory + '\\' + name;
}

std::string LowerCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

SearchPath::SearchPath(const std::string& directories)
{
    size_t start = 0;
    while (start <= directories.size()) {
        size_t end = directories.find(';', start);
        if (end == std::string::npos)
            end = directories.size();
        if (end > start)
            m_directories.push_back(directories.substr(start, end - start));
        start = end + 1;
    }
}

std::optional<std::string> SearchPath::FindPlain(const std::string& name) const
{
    if (Opens(name))
        return name;
    for (const std::string& directory : m_directories) {
        std::string candidate = Join(directory, name);
        if (Opens(candidate))
            return candidate;
    }
    return std::nullopt;
}

std::optional<std::string> SearchPath::FindInLanguage(const std::string& name,
                                                      const std::string& language) const
{
    if (!language.empty()) {
        if (auto found = FindPlain(Join(LowerCase(language), name)))
            return found;
    }
    return FindPlain(Join("c", name));
}

std::optional<std::string> SearchPath::FindLocalized(const std::string& name,
                                                     const std::string& language) const
{
    if (auto found = FindInLanguage(name, language))
        return found;
    return FindPlain(name);
}
