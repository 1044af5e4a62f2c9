#include "support/Localizer.h"

#include "support/LanguageChooser.h"
#include "support/Localization.h"
#include "support/SearchPath.h"
#include "support/platform/CodePage.h"
#include "support/platform/Environment.h"
#include "support/platform/SystemLocale.h"
#include "support/platform/TextFormat.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* kEscapedCharacters = "\\.*\"\n\r";

// Copies `text` into `buffer`, cut so that it fits with its terminator and no UTF-8 sequence is
// split.
template <size_t N> const char* CopyCut(std::array<char, N>& buffer, const std::string& text)
{
    size_t length = text.size();
    if (length > N - 1) {
        length = N - 1;
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
            --length;
    }
    std::memcpy(buffer.data(), text.data(), length);
    buffer[length] = '\0';
    return buffer.data();
}

} // namespace

Localizer::Localizer()
    : m_provider(&::FormatLocalized, &::LocalizeCached)
{
}

Localizer& Localizer::Instance()
{
    static Localizer localizer;
    return localizer;
}

void Localizer::InitLanguage(const char* localePath)
{
    m_savedPath = localePath != nullptr ? localePath : "";
    platform::WriteEnvironment(kPathVariable, m_savedPath.c_str());
    platform::WriteEnvironment(kLanguageVariable, LanguageChooser::kDefaultFolder);
    const char* folder =
        LanguageChooser::FolderFor(platform::UserLocaleName(), platform::SystemAnsiCodePage());
    platform::WriteEnvironment(kLanguageVariable, folder);
}

void Localizer::LoadModule(const char* name)
{
    if (name == nullptr || *name == '\0')
        return;
    RestoreSearchPath();
    if (!m_catalog.Modules().Register(name))
        return;
    if (NeedsLoad())
        Reload();
    else
        m_catalog.LoadModule(name, CurrentSearchPath());
    m_provider.SetFormatter(&::FormatLocalized);
}

const char* Localizer::Localize(const char* context, const char* key, bool ansi)
{
    if (key == nullptr || *key == '\0')
        return key;
    EnsureInitialised();
    const auto value = m_catalog.Find(ComposeKey(context, key), true);
    if (!value)
        return key;
    if (ansi)
        return CopyCut(m_keyBuffer, platform::Utf8ToAnsi(*value));
    return CopyCut(m_resultBuffer, *value);
}

const char* Localizer::LocalizeCached(const char* context, const char* key)
{
    if (key == nullptr || *key == '\0')
        return key;
    EnsureInitialised();
    const auto value = m_catalog.FindCached(ComposeKey(context, key));
    return value ? CopyCut(m_resultBuffer, *value) : key;
}

bool Localizer::HasKey(const char* key)
{
    if (key == nullptr || *key == '\0')
        return false;
    EnsureInitialised();
    return m_catalog.Find(EscapeKey(key), false).has_value();
}

const char* Localizer::Format(const char* key, va_list args)
{
    const char* format = Localize("", key, false);
    platform::FormatText(m_messageBuffer.data(), m_messageBuffer.size(),
                         format != nullptr ? format : "", args);
    return m_messageBuffer.data();
}

char* Localizer::FindFile(const char* relativeName)
{
    if (relativeName == nullptr)
        return nullptr;
    RestoreSearchPath();
    const auto path = CurrentSearchPath().FindLocalized(relativeName, CurrentLanguage());
    if (!path)
        return nullptr;
    auto* copy = static_cast<char*>(std::malloc(path->size() + 1));
    if (copy != nullptr)
        std::memcpy(copy, path->c_str(), path->size() + 1);
    return copy;
}

void Localizer::Reload()
{
    const SearchPath searchPath = CurrentSearchPath();
    m_catalog.Load(CurrentLanguage(), searchPath);
    if (m_provider.Search(m_catalog.Language(), searchPath))
        m_catalog.StartCache();
    m_initialised = true;
}

std::string Localizer::EscapeKey(const char* key)
{
    std::string escaped;
    for (const char* p = key; *p != '\0'; ++p) {
        if (std::strchr(kEscapedCharacters, *p) != nullptr)
            escaped += '\\';
        escaped += *p;
    }
    return escaped;
}

std::string Localizer::CurrentLanguage()
{
    const auto language = platform::ReadEnvironment(kLanguageVariable);
    return language && !language->empty() ? *language : kDefaultLanguage;
}

bool Localizer::NeedsLoad() const
{
    return !m_initialised || CurrentLanguage() != m_catalog.Language();
}

void Localizer::EnsureInitialised()
{
    if (NeedsLoad())
        Reload();
}

void Localizer::RestoreSearchPath()
{
    if (!m_savedPath.empty())
        platform::WriteEnvironment(kPathVariable, m_savedPath.c_str());
}

SearchPath Localizer::CurrentSearchPath() const
{
    const auto path = platform::ReadEnvironment(kPathVariable);
    return SearchPath(path ? *path : kDefaultPath);
}

std::string Localizer::ComposeKey(const char* context, const char* key)
{
    std::string escaped = EscapeKey(key);
    if (context == nullptr || *context == '\0')
        return escaped;
    return std::string(context) + '.' + escaped;
}
