#include "settings/CLocaleScanner.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>
#include <utility>

namespace {

// Saturation points: past them the digits only confirm what is already known.
constexpr int64_t kIntegerMagnitudeLimit = int64_t {std::numeric_limits<int32_t>::max()} + 1;
constexpr int64_t kExponentLimit = 100000;

bool IsSpace(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(int c)
{
    return c >= '0' && c <= '9';
}

bool IsHexDigit(int c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsNanCharacter(int c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

int ToLower(int c)
{
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

int64_t ParseExponent(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    int64_t value = 0;
    for (const char c : text)
        value = std::min(value * 10 + (c - '0'), kExponentLimit);
    return negative ? -value : value;
}

// Whether a number text too large or too small for a float is at least 1: at such
// magnitudes only the place of the first non-zero digit and the exponent matter.
bool IsAtLeastOne(std::string_view body, bool hex)
{
    const size_t exponentAt = body.find(hex ? 'p' : 'e');
    const std::string_view mantissa = body.substr(0, exponentAt);
    const int64_t exponent =
        exponentAt == std::string_view::npos ? 0 : ParseExponent(body.substr(exponentAt + 1));
    const size_t integerDigits = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos)
        return false;
    const int64_t place = first < integerDigits ? int64_t(integerDigits - first - 1)
                                                : -int64_t(first - integerDigits);
    return (hex ? place * 4 : place) + exponent >= 0;
}

bool ConvertNumber(std::string_view body, bool hex, float& value)
{
    const auto format = hex ? std::chars_format::hex : std::chars_format::general;
    const char* end = body.data() + body.size();
    const auto result = std::from_chars(body.data(), end, value, format);
    if (result.ec == std::errc::result_out_of_range) {
        value = IsAtLeastOne(body, hex) ? std::numeric_limits<float>::infinity() : 0.0f;
        return true;
    }
    return result.ec == std::errc() && result.ptr == end;
}

} // namespace

CLocaleScanner::CLocaleScanner(Source source)
    : m_source(std::move(source))
{
}

int CLocaleScanner::Refill()
{
    if (!m_source)
        return EOF;
    m_next = 0;
    m_end = m_source(m_buffer, sizeof m_buffer);
    if (m_end == 0)
        m_source = nullptr;
    return m_end > 0 ? static_cast<unsigned char>(m_buffer[0]) : EOF;
}

int CLocaleScanner::Get()
{
    const int c = Peek();
    if (c != EOF)
        ++m_next;
    return c;
}

bool CLocaleScanner::Accept(char lower)
{
    if (ToLower(Peek()) != lower)
        return false;
    Get();
    return true;
}

bool CLocaleScanner::AcceptSign()
{
    if (Accept('-'))
        return true;
    Accept('+');
    return false;
}

bool CLocaleScanner::AcceptWord(std::string_view lower)
{
    for (const char c : lower) {
        if (!Accept(c))
            return false;
    }
    return true;
}

size_t CLocaleScanner::AcceptDigits(bool hex, std::string& token)
{
    size_t count = 0;
    for (int c = Peek(); hex ? IsHexDigit(c) : IsDigit(c); c = Peek()) {
        token += static_cast<char>(Get());
        ++count;
    }
    return count;
}

bool CLocaleScanner::AcceptExponent(char lower, std::string& token)
{
    if (!Accept(lower))
        return true;
    token += lower;
    if (Accept('-'))
        token += '-';
    else if (Accept('+'))
        token += '+';
    return AcceptDigits(false, token) > 0;
}

bool CLocaleScanner::AcceptNumber(bool hex, std::string& token)
{
    AcceptDigits(hex, token);
    if (Accept('.')) {
        token += '.';
        AcceptDigits(hex, token);
    }
    if (token.find_first_not_of('.') == std::string::npos)
        return false;
    return AcceptExponent(hex ? 'p' : 'e', token);
}

bool CLocaleScanner::AcceptNanSuffix()
{
    if (!Accept('('))
        return true;
    while (IsNanCharacter(Peek()))
        Get();
    return Accept(')');
}

void CLocaleScanner::SkipWhiteSpace()
{
    while (IsSpace(Peek()))
        Get();
}

bool CLocaleScanner::MatchLiteral(std::string_view pattern)
{
    for (const char expected : pattern) {
        if (expected == ' ') {
            SkipWhiteSpace();
            continue;
        }
        if (Peek() != static_cast<unsigned char>(expected))
            return false;
        Get();
    }
    return true;
}

bool CLocaleScanner::ScanInteger(int32_t& value)
{
    SkipWhiteSpace();
    const bool negative = AcceptSign();
    if (!IsDigit(Peek()))
        return false;
    int64_t magnitude = 0;
    while (IsDigit(Peek()))
        magnitude = std::min(magnitude * 10 + (Get() - '0'), kIntegerMagnitudeLimit);
    value = static_cast<int32_t>(
        negative ? -magnitude : std::min<int64_t>(magnitude, std::numeric_limits<int32_t>::max()));
    return true;
}

bool CLocaleScanner::ScanReal(float& value)
{
    SkipWhiteSpace();
    const bool negative = AcceptSign();
    float magnitude = 0.0f;
    if (ToLower(Peek()) == 'i') {
        if (!AcceptWord("inf") || (ToLower(Peek()) == 'i' && !AcceptWord("inity")))
            return false;
        magnitude = std::numeric_limits<float>::infinity();
    } else if (ToLower(Peek()) == 'n') {
        if (!AcceptWord("nan") || !AcceptNanSuffix())
            return false;
        magnitude = std::numeric_limits<float>::quiet_NaN();
    } else {
        std::string body;
        bool hex = false;
        if (Accept('0')) {
            hex = Accept('x');
            if (!hex)
                body = "0";
        }
        if (!AcceptNumber(hex, body) || !ConvertNumber(body, hex, magnitude))
            return false;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}
