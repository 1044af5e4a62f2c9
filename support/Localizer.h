#pragma once

#include "support/LocaleProvider.h"
#include "support/LocalizationCatalog.h"

#include <array>
#include <cstdarg>
#include <string>

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

    // `key` with "\", ".", "*", quote, LF and CR escaped, so that it is one key component.
    static std::string EscapeKey(const char* key);

private:
    Localizer();

    // True before the first load and after "RVLANG" changed: translations are loaded once per
    // language.
    bool NeedsLoad() const;
    void EnsureInitialised();
    static std::string CurrentLanguage();
    void RestoreSearchPath();
    SearchPath CurrentSearchPath() const;
    static std::string ComposeKey(const char* context, const char* key);

    bool m_initialised = false;
    std::string m_savedPath;
    LocalizationCatalog m_catalog;
    LocaleProvider m_provider;
    std::array<char, 1024> m_keyBuffer{};
    std::array<char, 512> m_messageBuffer{};
    std::array<char, 16384> m_resultBuffer{};
};
