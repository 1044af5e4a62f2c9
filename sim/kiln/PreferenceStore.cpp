#include "sim/kiln/PreferenceStore.h"

#include "sim/kiln/KilnControlSuite.h"
#include "sim/kiln/TextFile.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <vector>

namespace kiln {
namespace {

constexpr std::string_view kSectionReserved = "[]";
constexpr std::string_view kKeyReserved = "=[]";

std::optional<ASInt32> ParseValue(std::string_view text)
{
    ASInt32 value = 0;
    const char* end = text.data() + text.size();
    const std::from_chars_result parsed = std::from_chars(text.data(), end, value);
    if (text.empty() || parsed.ec != std::errc() || parsed.ptr != end)
        return std::nullopt;
    return value;
}

// Reads the lines into `values`; false when any line is malformed.
bool ParseLines(const std::vector<std::string>& lines, std::map<std::pair<std::string, std::string>, ASInt32>& values)
{
    bool wellFormed = true;
    std::optional<std::string> section;
    for (const std::string& raw : lines) {
        const std::string_view line = Trimmed(raw);
        if (line.empty())
            continue;
        if (const auto name = SectionName(line)) {
            section = IsPlainName(*name, kSectionReserved) ? std::optional<std::string>(*name) : std::nullopt;
            wellFormed = wellFormed && section;
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string_view key = Trimmed(line.substr(0, equals));
        const std::optional<ASInt32> value =
            equals == std::string_view::npos ? std::nullopt : ParseValue(Trimmed(line.substr(equals + 1)));
        const bool fresh = section && !values.count({*section, std::string(key)});
        if (!fresh || !value || !IsPlainName(key, kKeyReserved)) {
            wellFormed = false;
            continue;
        }
        values[{*section, std::string(key)}] = *value;
    }
    return wellFormed;
}

}  // namespace

ASErr PreferenceStore::Open(const std::string& folder)
{
    m_values.clear();
    m_readOnly = false;
    m_file = folder.empty() ? std::string() : (std::filesystem::path(folder) / kKilnPreferencesFileName).string();
    std::error_code error;
    if (m_file.empty() || !std::filesystem::exists(m_file, error))
        return kNoErr;
    const std::optional<std::vector<std::string>> lines = ReadTextLines(m_file);
    m_readOnly = !lines || !ParseLines(*lines, m_values);
    if (!lines)
        return kKilnFileError;
    return m_readOnly ? kKilnMalformedError : kNoErr;
}

bool PreferenceStore::Get(const std::string& section, const std::string& key, ASInt32& value) const
{
    const auto found = m_values.find({section, key});
    if (found == m_values.end())
        return false;
    value = found->second;
    return true;
}

ASErr PreferenceStore::Set(const std::string& section, const std::string& key, ASInt32 value)
{
    if (const ASErr refused = CheckWritable(section, key))
        return refused;
    const std::map<Key, ASInt32> before = m_values;
    m_values[{section, key}] = value;
    const ASErr saved = Save();
    if (saved)
        m_values = before;
    return saved;
}

ASErr PreferenceStore::Remove(const std::string& section, const std::string& key)
{
    if (const ASErr refused = CheckWritable(section, key))
        return refused;
    const auto found = m_values.find({section, key});
    if (found == m_values.end())
        return kKilnAbsentKeyError;
    const ASInt32 value = found->second;
    m_values.erase(found);
    const ASErr saved = Save();
    if (saved)
        m_values[{section, key}] = value;
    return saved;
}

ASErr PreferenceStore::CheckWritable(const std::string& section, const std::string& key) const
{
    if (!IsPlainName(section, kSectionReserved) || !IsPlainName(key, kKeyReserved))
        return kKilnMalformedError;
    return m_readOnly ? kKilnReadOnlyError : kNoErr;
}

ASErr PreferenceStore::Save() const
{
    if (m_file.empty())
        return kNoErr;
    std::string text;
    const std::string* section = nullptr;
    for (const auto& [name, value] : m_values) {
        if (!section || *section != name.first) {
            text += (section ? "\n[" : "[") + name.first + "]\n";
            section = &name.first;
        }
        text += name.second + " = " + std::to_string(value) + "\n";
    }
    return WriteTextFile(m_file, text);
}

}  // namespace kiln
