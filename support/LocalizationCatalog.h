#pragma once

#include "support/KeyIndex.h"
#include "support/MissingKeyLog.h"
#include "support/ModuleRegistry.h"
#include "support/ResourceDatabase.h"

#include <optional>
#include <string>
#include <string_view>

class SearchPath;

// The loaded translations of one language: the main database (every module merged, later
// modules winning) with its key index, the optional cached copy kept for a locale provider, the
// registered modules and the missing-key log.
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

    // The value of `fullKey` (a composed key in the form KeyIndex::Canonical writes), else of
    // "Defaults." + `fullKey`; nothing when neither exists. With `logMissing` a key absent from
    // the main database goes to the missing-key log first. The text stays valid until the next
    // Find or load.
    std::optional<std::string_view> Find(std::string_view fullKey, bool logMissing);
    // As Find, on the cached copy and without logging; nothing while there is no copy.
    std::optional<std::string> FindCached(std::string_view fullKey) const;

    const std::string& Language() const { return m_language; }
    ModuleRegistry& Modules() { return m_modules; }

private:
    void MergeModule(const std::string& name, const SearchPath& searchPath);
    void IndexMain();
    std::optional<std::string_view> FindInMain(std::string_view key);

    std::string m_language;
    ModuleRegistry m_modules;
    ResourceDatabasePtr m_main;
    KeyIndex m_index;
    bool m_indexed = false;
    ResourceDatabasePtr m_cached;
    MissingKeyLog m_missing;
    std::string m_defaultsKey;
    std::string m_treeValue; // a value found through a wildcard, which the index does not hold
};
