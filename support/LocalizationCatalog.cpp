#include "support/LocalizationCatalog.h"

#include "support/ModuleLoader.h"

void LocalizationCatalog::Load(const std::string& language, const SearchPath& searchPath)
{
    m_language = language;
    m_main.reset();
    m_cached.reset();
    m_missing.Reset();
    MergeModule(kBaseModule, searchPath);
    for (const std::string& name : m_modules.Names())
        MergeModule(name, searchPath);
    IndexMain();
}

void LocalizationCatalog::LoadModule(const std::string& name, const SearchPath& searchPath)
{
    MergeModule(name, searchPath);
    IndexMain();
}

void LocalizationCatalog::MergeModule(const std::string& name, const SearchPath& searchPath)
{
    ResourceDatabasePtr module = ModuleLoader::Load(name, m_language, searchPath);
    if (!module)
        return;
    if (m_cached)
        ResourceDatabase::Merge(m_cached.get(), module.get());
    if (m_main)
        ResourceDatabase::Merge(m_main.get(), module.get());
    else
        m_main = std::move(module);
}

void LocalizationCatalog::IndexMain()
{
    m_indexed = m_index.Build(m_main.get());
}

void LocalizationCatalog::StartCache()
{
    m_cached.reset(ResourceDatabase::Copy(m_main.get()));
}

std::optional<std::string_view> LocalizationCatalog::Find(std::string_view fullKey, bool logMissing)
{
    if (!m_main)
        return std::nullopt;
    if (const auto value = FindInMain(fullKey))
        return value;
    if (logMissing)
        m_missing.Record(std::string(fullKey));
    m_defaultsKey.assign(kDefaultsBranch).append(fullKey);
    return FindInMain(m_defaultsKey);
}

// The index holds every exact key; only a wildcard binding can answer what it misses.
std::optional<std::string_view> LocalizationCatalog::FindInMain(std::string_view key)
{
    if (m_indexed) {
        if (const auto value = m_index.Find(key))
            return value;
        if (!m_index.HasWildcards())
            return std::nullopt;
    }
    auto value = ResourceDatabase::Lookup(m_main.get(), std::string(key).c_str());
    if (!value)
        return std::nullopt;
    m_treeValue = std::move(*value);
    return m_treeValue;
}

std::optional<std::string> LocalizationCatalog::FindCached(std::string_view fullKey) const
{
    if (!m_cached)
        return std::nullopt;
    const std::string key(fullKey);
    if (auto value = ResourceDatabase::Lookup(m_cached.get(), key.c_str()))
        return value;
    return ResourceDatabase::Lookup(m_cached.get(), (kDefaultsBranch + key).c_str());
}
