#pragma once

#include <map>
#include <string>

namespace hostsim {

// The host's own preferences ("AI Preference Suite"): boolean values under a prefix and a
// suffix. Kept in memory; with a folder they are read from and written back at once to the file
// kHostPreferencesFileName there, so that they outlast a host, as the real host's do.
class HostPreferences
{
public:
    static constexpr const char* kHostPreferencesFileName = "HostPreferences.txt";

    // Reads the file in `folder` (a missing file is an empty store); empty: memory only.
    void SetFolder(const std::string& folder);
    // False when the key is absent.
    bool GetBoolean(const std::string& prefix, const std::string& suffix, bool& value) const;
    void PutBoolean(const std::string& prefix, const std::string& suffix, bool value);

private:
    static std::string Key(const std::string& prefix, const std::string& suffix);
    void Save() const;

    std::string m_file;
    // "prefix/suffix" -> value; one "key=0|1" line each in the file.
    std::map<std::string, bool> m_values;
};

}  // namespace hostsim
