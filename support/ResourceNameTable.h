#pragma once

#include <array>
#include <cstdint>
#include <forward_list>
#include <string>

// Process-wide table of interned key components. Equal component texts give the same pointer, so
// the database compares components by address. Interned names live until the process ends.
class ResourceNameTable {
public:
    struct Name {
        std::string text;
        uint16_t hash; // 12 bits
    };

    static constexpr uint16_t kHashMask = 0xFFF;

    // The interned name for `text` (created on first use). Throws std::bad_alloc.
    static const Name* Intern(const std::string& text);
    // The interned name for `text`, or null when it was never interned.
    static const Name* Find(const std::string& text);
    // h = h * 91 + c over the bytes of `text`, kept to 12 bits.
    static uint16_t Hash(const std::string& text);

private:
    static ResourceNameTable& Instance();

    std::array<std::forward_list<Name>, kHashMask + 1> m_buckets;
};
