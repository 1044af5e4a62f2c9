#include "support/ResourceTypeTable.h"

#include <algorithm>

ResourceTypeTable::ResourceTypeTable()
    : m_names{"string"}
{
}

int ResourceTypeTable::Register(const std::string& name)
{
    auto& names = Instance().m_names;
    const auto found = std::find(names.begin(), names.end(), name);
    if (found != names.end())
        return static_cast<int>(found - names.begin()) + 1;
    names.push_back(name);
    return static_cast<int>(names.size());
}

const std::vector<std::string>& ResourceTypeTable::Names()
{
    return Instance().m_names;
}

ResourceTypeTable& ResourceTypeTable::Instance()
{
    static ResourceTypeTable table;
    return table;
}
