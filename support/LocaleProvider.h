#pragma once

#include <cstddef>
#include <string>

class SearchPath;

// The localisation functions a locale provider library may replace. Entry 0 is the message
// formatter, entry 1 the second lookup (on the cached database copy); entries 2 to 7 are date
// and time helpers, which this system never calls and does not provide.
struct LocaleFunctionTable {
    using Entry = void (*)();
    using FormatFunction = const char* (*)(const char* key, ...);
    using LookupFunction = const char* (*)(const char* context, const char* key);

    static constexpr size_t kEntryCount = 8;

    Entry entries[kEntryCount];

    FormatFunction Formatter() const { return reinterpret_cast<FormatFunction>(entries[0]); }
    LookupFunction CachedLookup() const { return reinterpret_cast<LookupFunction>(entries[1]); }
};

// What a provider library exports under the name "LocalizationNode".
struct LocaleProviderNode {
    char tag[16]; // "RV_LOCALE", NUL, a non-zero 16-bit count at byte 10
    int (*initialise)();
    LocaleFunctionTable::Entry entries[LocaleFunctionTable::kEntryCount];
};

// The current function table and the search for a provider library "<language><suffix>"
// (".dll" on Windows, ".so" elsewhere) along the plain search. A provider's non-null entries
// replace the built-in ones; when its initialisation returns 0 the built-in table comes back.
class LocaleProvider {
public:
    static constexpr const char* kSymbol = "LocalizationNode";
    static constexpr const char* kPathVariable = "RV_LOCALE_SO";

    LocaleProvider(LocaleFunctionTable::FormatFunction format,
                   LocaleFunctionTable::LookupFunction cachedLookup);

    const LocaleFunctionTable& Functions() const { return m_current; }
    // Module loads put the built-in formatter back in place.
    void SetFormatter(LocaleFunctionTable::FormatFunction format);
    // True when a provider library was found and loaded. Load failures go to standard error.
    bool Search(const std::string& language, const SearchPath& searchPath);
    // Takes the entries of `node` when its tag is valid; false otherwise.
    bool Install(const LocaleProviderNode* node);

private:
    LocaleFunctionTable m_builtIn;
    LocaleFunctionTable m_current;
};
