#pragma once

#include "support/MissingKeyLog.h"
#include "support/ModuleRegistry.h"
#include "support/ResourceDatabase.h"

#include <optional>
#include <string>

class SearchPath;

// The loaded translations of one language: the main database (every module merged, later
// modules winning), the optional cached copy kept for a locale provider, the registered modules
// and the missing-key log.
class LocalizationCatalog {
public:
    static constexpr const char* kBaseModule = "rv";
    static constexpr const char* kDefaultsBranch = "Defaults.";

    // Drops every database and loads the base module and every registered module for `language`.
    void Load(const std::string& language, const SearchPath& searchPath);
    // Loads one module and merges it into the main database (and the cached copy).
    void LoadModule(const std::string& name, const SearchPath& searchPath);
    // Starts the cached copy from the main database.
    void StartCache();

    // The value of `fullKey` (an escaped, composed key), else of "Defaults." + `fullKey`. With
    // `logMissing` a key absent from the main database goes to the missing-key log first.
    std::optional<std::string> Find(const std::string& fullKey, bool logMissing);
    // As Find, on the cached copy and without logging; nothing while there is no copy.
    std::optional<std::string> FindCached(const std::string& fullKey) const;

    const std::string& Language() const { return m_language; }
    ModuleRegistry& Modules() { return m_modules; }

private:
    static std::optional<std::string> FindWithDefaults(const ResourceDatabase* db,
                                                       const std::string& fullKey,
                                                       MissingKeyLog* missing);

    std::string m_language;
    ModuleRegistry m_modules;
    ResourceDatabasePtr m_main;
    ResourceDatabasePtr m_cached;
    MissingKeyLog m_missing;
};
