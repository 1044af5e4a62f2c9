#include "support/LocalizationCatalog.h"

#include "support/ModuleLoader.h"

void LocalizationCatalog::Load(const std::string& language, const SearchPath& searchPath)
{
    m_language = language;
    m_main.reset();
    m_cached.reset();
    m_missing.Reset();
    LoadModule(kBaseModule, searchPath);
    for (const std::string& name : m_modules.Names())
        LoadModule(name, searchPath);
}

void LocalizationCatalog::LoadModule(const std::string& name, const SearchPath& searchPath)
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

void LocalizationCatalog::StartCache()
{
    m_cached.reset(ResourceDatabase::Copy(m_main.get()));
}

std::optional<std::string> LocalizationCatalog::Find(const std::string& fullKey, bool logMissing)
{
    return FindWithDefaults(m_main.get(), fullKey, logMissing ? &m_missing : nullptr);
}

std::optional<std::string> LocalizationCatalog::FindCached(const std::string& fullKey) const
{
    return FindWithDefaults(m_cached.get(), fullKey, nullptr);
}

std::optional<std::string> LocalizationCatalog::FindWithDefaults(const ResourceDatabase* db,
                                                                 const std::string& fullKey,
                                                                 MissingKeyLog* missing)
{
    if (db == nullptr)
        return std::nullopt;
    if (auto value = ResourceDatabase::Lookup(db, fullKey.c_str()))
        return value;
    if (missing != nullptr)
        missing->Record(fullKey);
    return ResourceDatabase::Lookup(db, (kDefaultsBranch + fullKey).c_str());
}
