#include "support/ResourceNameTable.h"

const ResourceNameTable::Name* ResourceNameTable::Find(const std::string& text)
{
    for (const Name& name : Instance().m_buckets[Hash(text)]) {
        if (name.text == text)
            return &name;
    }
    return nullptr;
}

const ResourceNameTable::Name* ResourceNameTable::Intern(const std::string& text)
{
    if (const Name* found = Find(text))
        return found;
    const uint16_t hash = Hash(text);
    auto& bucket = Instance().m_buckets[hash];
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

ResourceNameTable& ResourceNameTable::Instance()
{
    static ResourceNameTable table;
    return table;
}
