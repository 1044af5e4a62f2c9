#include "toolkit/internal/RVADM_IdToFileTable.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace qRVADM::internal {
namespace {

constexpr std::size_t kMaxTypeLength = 16;
constexpr std::size_t kMaxNameLength = 128;
constexpr std::int64_t kHighDensityOffset = 4000;
constexpr std::int64_t kIntegerLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
constexpr char kIgnoredType[] = "xml";
constexpr char kPngSuffix[] = ".png";
constexpr char kHighDensitySuffix[] = "_at_2x";

// Reads one line the way sscanf reads it with "%d.%16s %128s" in the C locale.
class LineScanner
{
public:
    LineScanner(const char* begin, const char* end)
        : m_pos(begin), m_end(end)
    {
    }

    std::optional<std::int32_t> Integer()
    {
        SkipSpace();
        bool negative = false;
        if (m_pos != m_end && (*m_pos == '+' || *m_pos == '-'))
            negative = *m_pos++ == '-';
        const char* digits = m_pos;
        // Digits past the 32-bit range are read but no longer added: the value stays out of range.
        std::int64_t value = 0;
        for (; m_pos != m_end && *m_pos >= '0' && *m_pos <= '9'; ++m_pos)
        {
            if (value <= kIntegerLimit)
                value = value * 10 + (*m_pos - '0');
        }
        if (m_pos == digits)
            return std::nullopt;
        value = negative ? -value : value;
        if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
        return static_cast<std::int32_t>(value);
    }

    bool Literal(char c)
    {
        if (m_pos == m_end || *m_pos != c)
            return false;
        ++m_pos;
        return true;
    }

    // A word of at most `maxLength` characters after blanks; empty when there is none.
    std::string Word(std::size_t maxLength)
    {
        SkipSpace();
        const char* start = m_pos;
        while (m_pos != m_end && !IsSpace(*m_pos) && static_cast<std::size_t>(m_pos - start) < maxLength)
            ++m_pos;
        return std::string(start, m_pos);
    }

private:
    static bool IsSpace(char c)
    {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    }

    void SkipSpace()
    {
        while (m_pos != m_end && IsSpace(*m_pos))
            ++m_pos;
    }

    const char* m_pos;
    const char* m_end;
};

bool EndsWith(const std::string& text, const char* suffix)
{
    const std::size_t length = std::strlen(suffix);
    return text.size() >= length && text.compare(text.size() - length, length, suffix) == 0;
}

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

RVADM_IdToFileTable::RVADM_IdToFileTable(const QByteArray& text)
{
    const char* pos = text.constData();
    const char* const end = pos + text.size();
    while (pos != end)
    {
        const char* lineEnd = std::find_if(pos, end, IsLineEnd);
        ReadLine(pos, std::find(pos, lineEnd, '\0'));
        pos = lineEnd == end ? end : lineEnd + 1;
    }
}

void RVADM_IdToFileTable::ReadLine(const char* begin, const char* end)
{
    LineScanner scanner(begin, end);
    const std::optional<std::int32_t> id = scanner.Integer();
    if (!id || !scanner.Literal('.'))
        return;
    const std::string type = scanner.Word(kMaxTypeLength);
    std::string name = scanner.Word(kMaxNameLength);
    if (type.empty() || name.empty() || type == kIgnoredType)
        return;
    if (EndsWith(name, kPngSuffix))
        name.resize(name.size() - std::strlen(kPngSuffix));
    if (name.empty())
        return;
    const QString resourceName = QString::fromLatin1(name.data(), static_cast<int>(name.size()));
    m_names[*id] = resourceName;
    const std::int64_t highDensityId = std::int64_t{*id} + kHighDensityOffset;
    if (highDensityId <= std::numeric_limits<std::int32_t>::max())
        m_names[static_cast<std::int32_t>(highDensityId)] = resourceName + QLatin1String(kHighDensitySuffix);
}

QString RVADM_IdToFileTable::NameFor(std::int32_t id) const
{
    const auto found = m_names.find(id);
    return found == m_names.end() ? QString() : found->second;
}

std::size_t RVADM_IdToFileTable::Size() const
{
    return m_names.size();
}

} // namespace qRVADM::internal
