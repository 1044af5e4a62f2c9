#include "support/ResourceNameTable.h"

const ResourceNameTable::Name* ResourceNameTable::Find(const std::string& text) const
{
    if (!m_buckets)
        return nullptr;
    for (const Name& name : (*m_buckets)[Hash(text)]) {
        if (name.text == text)
            return &name;
    }
    return nullptr;
}

const ResourceNameTable::Name* ResourceNameTable::Intern(const std::string& text)
{
    if (const Name* found = Find(text))
        return found;
    if (!m_buckets)
        m_buckets = std::make_unique<Buckets>();
    const uint16_t hash = Hash(text);
    auto& bucket = (*m_buckets)[hash];
    bucket.push_front(Name{text, hash});
    return &bucket.front();
}

uint16_t ResourceNameTable::Hash(const std::string& text)
{
    unsigned hash = 0;
    for (unsigned char c : text)
        hash = (hash * 91 + c) & kHashMask;
    return static_cast<uint16_t>(hash);
}
