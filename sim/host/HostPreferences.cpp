#include "sim/host/HostPreferences.h"

#include <filesystem>
#include <fstream>

namespace hostsim {

void HostPreferences::SetFolder(const std::string& folder)
{
    m_values.clear();
    m_file = folder.empty() ? std::string() : (std::filesystem::path(folder) / kHostPreferencesFileName).string();
    std::ifstream in(m_file);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t equals = line.rfind('=');
        if (equals != std::string::npos)
            m_values[line.substr(0, equals)] = line.substr(equals + 1) == "1";
    }
}

bool HostPreferences::GetBoolean(const std::string& prefix, const std::string& suffix, bool& value) const
{
    const auto found = m_values.find(Key(prefix, suffix));
    if (found == m_values.end())
        return false;
    value = found->second;
    return true;
}

void HostPreferences::PutBoolean(const std::string& prefix, const std::string& suffix, bool value)
{
    m_values[Key(prefix, suffix)] = value;
    Save();
}

std::string HostPreferences::Key(const std::string& prefix, const std::string& suffix)
{
    return prefix + "/" + suffix;
}

void HostPreferences::Save() const
{
    if (m_file.empty())
        return;
    std::ofstream out(m_file, std::ios::trunc);
    for (const auto& [key, value] : m_values)
        out << key << '=' << (value ? 1 : 0) << '\n';
}

}  // namespace hostsim
