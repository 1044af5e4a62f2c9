#pragma once

#include <string>
#include <vector>

// The resource modules registered so far, in registration order. Names compare ignoring case.
class ModuleRegistry {
public:
    // False when a module of that name is already registered.
    bool Register(const std::string& name);
    bool Contains(const std::string& name) const;
    const std::vector<std::string>& Names() const { return m_names; }

private:
    std::vector<std::string> m_names;
};
