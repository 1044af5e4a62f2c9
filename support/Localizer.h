#pragma once

#include "support/LocaleProvider.h"
#include "support/LocalizationCatalog.h"

#include <array>
#include <cstdarg>
#include <string>
#include <string_view>

class SearchPath;

// The process-wide localisation state behind the functions of Localization.h: the search path,
// the catalog of the current language, the provider table and the result buffers.
//
// Results are written into fixed buffers and never past them: a translation longer than the
// lookup buffer (16384 bytes) is cut there, its ANSI form at 1023 bytes, a formatted message at
// 511 bytes, each at a character boundary (for UTF-8 text). Keys of any length are composed in
// allocated memory, so a long key is looked up whole. Host UI thread only.
class Localizer {
public:
    static constexpr const char* kPathVariable = "LOCALE_PATH";
    static constexpr const char* kLanguageVariable = "RVLANG";
    static constexpr const char* kDefaultPath = ".\\";
    static constexpr const char* kDefaultLanguage = "C";

    static Localizer& Instance();

    void InitLanguage(const char* localePath);
    void LoadModule(const char* name);
    const char* Localize(const char* context, const char* key, bool ansi);
    const char* LocalizeCached(const char* context, const char* key);
    bool HasKey(const char* key);
    const char* Format(const char* key, va_list args);
    char* FindFile(const char* relativeName);
    // Takes the language from "RVLANG" again and reloads every registered module.
    void Reload();
    const LocaleFunctionTable& Functions() const { return m_provider.Functions(); }

private:
    Localizer();

    // Loads the translations at the first lookup or module load; later changes of "RVLANG"
    // take effect at the next Reload.
    void EnsureInitialised();
    static const char* CurrentLanguage();
    void RestoreSearchPath();
    // The search path after the saved one was set again, so that a load never follows what
    // another plug-in of the process left in "LOCALE_PATH".
    SearchPath CurrentSearchPath();
    // The full key of a lookup in the canonical form of the catalog: `key` itself or m_fullKey.
    std::string_view ComposeKey(const char* context, const char* key);

    bool m_initialised = false;
    std::string m_savedPath;
    LocalizationCatalog m_catalog;
    LocaleProvider m_provider;
    std::string m_fullKey;
    std::array<char, 1024> m_keyBuffer{};
    std::array<char, 512> m_messageBuffer{};
    std::array<char, 16384> m_resultBuffer{};
};
