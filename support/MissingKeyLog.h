#pragma once

#include "support/ResourceDatabase.h"

#include <string>

// Collects keys that have no translation into the file named by "LOCALE_MISSING", for
// translators. Each entry is a line feed, the key in quotes, " : " and the key's last component
// in quotes, so the file is itself a ".asc" file. The keys already in the file are read at
// Reset, so each key is written once, also across runs.
class MissingKeyLog {
public:
    static constexpr const char* kVariable = "LOCALE_MISSING";

    MissingKeyLog();

    // Forgets every key, then reads the keys of the file when the variable is set.
    void Reset();
    // Appends `key` (escaped, as composed for a lookup) unless it was recorded before. Does
    // nothing while the variable is unset.
    void Record(const std::string& key);

    // The text after the last unescaped "." of `key`.
    static std::string LastComponent(const std::string& key);

private:
    ResourceDatabasePtr m_known;
};
