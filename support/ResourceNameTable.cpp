#include "support/ResourceNameTable.h"

const ResourceNameTable::Name* ResourceNameTable::Find(const std::string& text) const
{
    const auto found = m_names.find(text);
    return found == m_names.end() ? nullptr : found->second.get();
}

const ResourceNameTable::Name* ResourceNameTable::Intern(const std::string& text)
{
    if (const Name* found = Find(text))
        return found;
    auto name = std::make_unique<Name>(Name{text, Hash(text)});
    const std::string_view key = name->text;
    return m_names.emplace(key, std::move(name)).first->second.get();
}

uint16_t ResourceNameTable::Hash(const std::string& text)
{
    unsigned hash = 0;
    for (unsigned char c : text)
        hash = (hash * 91 + c) & kHashMask;
    return static_cast<uint16_t>(hash);
}
