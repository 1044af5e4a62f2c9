#include "support/Localizer.h"

#include "support/KeyIndex.h"
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

// Copies `text` into `buffer`, cut so that it fits with its terminator and no UTF-8 sequence is
// split.
template <size_t N> const char* CopyCut(std::array<char, N>& buffer, std::string_view text)
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
    if (m_initialised)
        m_catalog.LoadModule(name, CurrentSearchPath());
    else
        Reload();
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
        return CopyCut(m_keyBuffer, platform::Utf8ToAnsi(std::string(*value)));
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
    return m_catalog.Find(ComposeKey("", key), false).has_value();
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

const char* Localizer::CurrentLanguage()
{
    const char* language = platform::PeekEnvironment(kLanguageVariable);
    return language != nullptr && *language != '\0' ? language : kDefaultLanguage;
}

void Localizer::EnsureInitialised()
{
    if (!m_initialised)
        Reload();
}

void Localizer::RestoreSearchPath()
{
    if (!m_savedPath.empty())
        platform::WriteEnvironment(kPathVariable, m_savedPath.c_str());
}

SearchPath Localizer::CurrentSearchPath()
{
    RestoreSearchPath();
    const auto path = platform::ReadEnvironment(kPathVariable);
    return SearchPath(path && !path->empty() ? *path : kDefaultPath);
}

// A key without context is one escaped component, already canonical; a context may hold
// separators and escapes of its own, so the whole key is split and written again.
std::string_view Localizer::ComposeKey(const char* context, const char* key)
{
    if (context == nullptr || *context == '\0')
        return KeyIndex::Escaped(key, m_fullKey);
    m_fullKey.assign(context).append(1, '.');
    KeyIndex::AppendEscaped(m_fullKey, key);
    m_fullKey = KeyIndex::Canonical(ResourceDatabase::SplitKey(m_fullKey.c_str()));
    return m_fullKey;
}
