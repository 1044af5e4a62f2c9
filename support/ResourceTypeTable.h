#pragma once

#include <string>
#include <vector>

// Process-wide registry of value type names. Type ids start at 1 in registration order; "string"
// is always type 1. Binary database files carry their own list of names, mapped onto this table.
class ResourceTypeTable {
public:
    static constexpr int kStringType = 1;

    // The id of `name`, registering it when new. Throws std::bad_alloc.
    static int Register(const std::string& name);
    // Every registered name, index i holding type i + 1.
    static const std::vector<std::string>& Names();

private:
    ResourceTypeTable();
    static ResourceTypeTable& Instance();

    std::vector<std::string> m_names;
};
