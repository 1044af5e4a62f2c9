#include "support/KeyIndex.h"

#include <array>
#include <cstring>
#include <functional>
#include <limits>
#include <new>

namespace {

constexpr char kEscapedCharacters[] = "\\.*\"\n\r";

constexpr std::array<bool, 256> kNeedsEscape = [] {
    std::array<bool, 256> table{};
    for (const char* c = kEscapedCharacters; *c != '\0'; ++c)
        table[static_cast<unsigned char>(*c)] = true;
    return table;
}();

size_t HashOf(std::string_view key)
{
    return std::hash<std::string_view>{}(key);
}

size_t SlotCountFor(size_t values)
{
    size_t count = 16;
    while (count * 2 < values * 3)
        count *= 2;
    return count;
}

uint32_t LengthAt(const char* text)
{
    uint32_t length = 0;
    std::memcpy(&length, text, sizeof length);
    return length;
}

void AppendLength(std::string& text, size_t length)
{
    const auto value = static_cast<uint32_t>(length);
    text.append(reinterpret_cast<const char*>(&value), sizeof value);
}

} // namespace

std::string KeyIndex::Canonical(const ResourceDatabase::Path& path)
{
    std::string key;
    for (size_t i = 0; i < path.size(); ++i) {
        if (i > 0)
            key += '.';
        if (path[i].wildcard)
            key += '*';
        else
            AppendEscaped(key, path[i].text);
    }
    return key;
}

void KeyIndex::AppendEscaped(std::string& key, std::string_view component)
{
    size_t start = 0;
    for (size_t i = 0; i < component.size(); ++i) {
        if (kNeedsEscape[static_cast<unsigned char>(component[i])]) {
            key.append(component, start, i - start).append(1, '\\');
            start = i;
        }
    }
    key.append(component, start);
}

// strcspn finds the first character to escape and, when there is none, the length at once.
std::string_view KeyIndex::Escaped(const char* component, std::string& scratch)
{
    const size_t plain = std::strcspn(component, kEscapedCharacters);
    if (component[plain] == '\0')
        return std::string_view(component, plain);
    scratch.assign(component, plain);
    AppendEscaped(scratch, component + plain);
    return scratch;
}

bool KeyIndex::Build(const ResourceDatabase* db)
{
    Clear();
    if (db == nullptr)
        return true;
    try {
        std::vector<std::pair<std::string, const std::string*>> values;
        const bool visited = ResourceDatabase::Visit(
            db, [this, &values](const ResourceDatabase::Path& path, const ResourceDatabase::Value& value) {
                for (const auto& component : path)
                    m_hasWildcards = m_hasWildcards || component.wildcard;
                values.emplace_back(Canonical(path), &value.data);
                return true;
            });
        m_slots.resize(SlotCountFor(values.size()));
        bool indexed = visited;
        for (size_t i = 0; indexed && i < values.size(); ++i)
            indexed = Insert(values[i].first, *values[i].second);
        if (!indexed)
            Clear();
        return indexed;
    } catch (const std::bad_alloc&) {
        Clear();
        return false;
    }
}

void KeyIndex::Clear()
{
    m_slots.clear();
    m_text.clear();
    m_hasWildcards = false;
}

bool KeyIndex::Insert(std::string_view key, std::string_view value)
{
    constexpr size_t kLimit = std::numeric_limits<uint32_t>::max();
    const size_t offset = m_text.size();
    if (offset + 2 * sizeof(uint32_t) + key.size() + value.size() >= kLimit)
        return false;
    AppendLength(m_text, key.size());
    AppendLength(m_text, value.size());
    m_text.append(key).append(value);
    const auto hash = static_cast<uint32_t>(HashOf(key));
    const size_t mask = m_slots.size() - 1;
    size_t i = hash & mask;
    while (m_slots[i].entry != 0)
        i = (i + 1) & mask;
    m_slots[i] = Slot{hash, static_cast<uint32_t>(offset + 1)};
    return true;
}

std::optional<std::string_view> KeyIndex::Find(std::string_view canonicalKey) const
{
    if (m_slots.empty())
        return std::nullopt;
    const auto hash = static_cast<uint32_t>(HashOf(canonicalKey));
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hash & mask; m_slots[i].entry != 0; i = (i + 1) & mask) {
        if (m_slots[i].hash != hash)
            continue;
        const char* entry = m_text.data() + m_slots[i].entry - 1;
        const uint32_t keyLength = LengthAt(entry);
        const char* key = entry + 2 * sizeof(uint32_t);
        if (std::string_view(key, keyLength) == canonicalKey)
            return std::string_view(key + keyLength, LengthAt(entry + sizeof(uint32_t)));
    }
    return std::nullopt;
}
