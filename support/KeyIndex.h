#pragma once

#include "support/ResourceDatabase.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A flat hash index over the values of one database, keyed by the canonical text of each key
// path, so that a lookup is one hash and a probe or two in compact memory instead of a walk
// down the tree. Keys and values are copied into one block: the two lengths, the key, the value.
// A value reached only through a wildcard binding is not in it: when HasWildcards() is true
// a miss must be confirmed on the tree. Rebuild after every change of the database.
class KeyIndex {
public:
    // The canonical text of `path`: components joined by ".", each escaped as AppendEscaped
    // does, and a wildcard written as a bare "*". For a one-component path this is the key
    // escaped as a lookup escapes it.
    static std::string Canonical(const ResourceDatabase::Path& path);
    // Appends `component` with "\", ".", "*", quote, LF and CR escaped, so that it stays one
    // key component.
    static void AppendEscaped(std::string& key, std::string_view component);
    // `component` escaped as AppendEscaped does: `component` itself when nothing needs a
    // backslash, else the text built in `scratch`.
    static std::string_view Escaped(const char* component, std::string& scratch);

    // Indexes every value of `db` (nothing for null); false, leaving the index empty, on out of
    // memory or past 4 GB of text.
    bool Build(const ResourceDatabase* db);
    void Clear();
    // The value stored under the canonical key, or nothing; valid until the next Build.
    std::optional<std::string_view> Find(std::string_view canonicalKey) const;
    bool HasWildcards() const { return m_hasWildcards; }

private:
    struct Slot {
        uint32_t hash = 0;  // the hash's low bits, to skip most foreign entries unread
        uint32_t entry = 0; // offset + 1 of the entry in m_text; 0: a free slot
    };

    bool Insert(std::string_view key, std::string_view value);

    std::vector<Slot> m_slots; // a power of two, at most two thirds full
    std::string m_text;
    bool m_hasWildcards = false;
};
