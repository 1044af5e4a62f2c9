#pragma once

#include "support/ResourceDatabase.h"

#include <map>
#include <string>

// Every value of a database by its path: components joined with "|", a wildcard binding shown
// as "<*>"; the value as "type:data". Two databases with equal dumps hold the same entries.
inline std::map<std::string, std::string> DumpDatabase(const ResourceDatabase* db)
{
    std::map<std::string, std::string> entries;
    ResourceDatabase::Visit(db, [&](const ResourceDatabase::Path& path, const ResourceDatabase::Value& value) {
        std::string key;
        for (const auto& component : path)
            key += (component.wildcard ? std::string("<*>") : component.text) + "|";
        entries[key] = std::to_string(value.type) + ":" + value.data;
        return true;
    });
    return entries;
}
