#pragma once

#include "plugin/suites/SPTypes.h"

#include <map>
#include <string>
#include <utility>

namespace kiln {

// The engine's preference store: 32-bit values by section and key, kept in the file
// kKilnPreferencesFileName of a folder and rewritten after every change. The file holds
// "[section]" lines, each followed by "key = value" lines; blank lines are allowed. A file with
// any other line is read for the lines that parse and is never rewritten, so nothing in it is
// lost: changes are then refused.
class PreferenceStore
{
public:
    // Replaces the values with those of the folder's file; an empty folder keeps the store in
    // memory only. A missing file is an empty store. Returns kKilnFileError for an unreadable
    // file and kKilnMalformedError for a malformed one, both leaving the store read-only.
    ASErr Open(const std::string& folder);

    // Writes the value when the key exists.
    bool Get(const std::string& section, const std::string& key, ASInt32& value) const;
    ASErr Set(const std::string& section, const std::string& key, ASInt32 value);
    ASErr Remove(const std::string& section, const std::string& key);

    const std::string& File() const { return m_file; }
    bool ReadOnly() const { return m_readOnly; }

private:
    using Key = std::pair<std::string, std::string>;

    ASErr CheckWritable(const std::string& section, const std::string& key) const;
    ASErr Save() const;

    std::map<Key, ASInt32> m_values;
    std::string m_file;  // empty: memory only
    bool m_readOnly = false;
};

}  // namespace kiln
