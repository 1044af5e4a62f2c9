#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

// The interned key components of one database. Equal component texts give the same pointer, so
// the database compares components by address. Names live as long as the table, which their
// database owns: a database that is freed takes its names with it.
class ResourceNameTable {
public:
    struct Name {
        std::string text;
        uint16_t hash; // 12 bits
    };

    static constexpr uint16_t kHashMask = 0xFFF;

    // The interned name for `text` (created on first use). Throws std::bad_alloc.
    const Name* Intern(const std::string& text);
    // The interned name for `text`, or null when it was never interned.
    const Name* Find(const std::string& text) const;
    // h = h * 91 + c over the bytes of `text`, kept to 12 bits.
    static uint16_t Hash(const std::string& text);

private:
    // Keyed by a view of the name's own text; a name never moves.
    std::unordered_map<std::string_view, std::unique_ptr<Name>> m_names;
};
