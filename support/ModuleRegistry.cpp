#include "support/ModuleRegistry.h"

#include <algorithm>
#include <cctype>

namespace {

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x))
            == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

bool ModuleRegistry::Register(const std::string& name)
{
    if (Contains(name))
        return false;
    m_names.push_back(name);
    return true;
}

bool ModuleRegistry::Contains(const std::string& name) const
{
    return std::any_of(m_names.begin(), m_names.end(),
                       [&name](const std::string& known) { return EqualIgnoringCase(known, name); });
}
