#include "sim/host/UserNumbers.h"

#include "sim/host/HostStrings.h"
#include "sim/host/HostSuites.h"

#include <charconv>
#include <cmath>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>
#include <string_view>

namespace hostsim {
namespace {

constexpr int kMaxDecimals = 15;
constexpr std::size_t kMaxIntegerDigits = 5;
constexpr double kPointsPerPica = 12.0;
constexpr double kPointsPerMillimetre = 72.0 / 25.4;

// The host's units by the codes plug-ins pass, with the suffixes typed after a number.
struct HostUnit
{
    ASInt32 code;
    std::u16string_view suffix;  // lower case
    double pointsPerUnit;
};

constexpr HostUnit kHostUnits[] = {
    {1, u"pt", 1.0},
    {2, u"in", 72.0},
    {3, u"mm", kPointsPerMillimetre},
    {5, u"pc", kPointsPerPica},
    {4, u"cm", 10 * kPointsPerMillimetre},
    {10, u"px", 1.0},
    {8, u"h", kPointsPerMillimetre / 4},
    {7, u"\u00B0", 1.0},
    {6, u"%", 1.0},
};

double PointsPerUnit(ASInt32 code)
{
    for (const HostUnit& unit : kHostUnits) {
        if (unit.code == code)
            return unit.pointsPerUnit;
    }
    return 1.0;
}

int ClampDecimals(int decimals)
{
    return decimals < 0 ? 0 : decimals > kMaxDecimals ? kMaxDecimals : decimals;
}

char16_t Lower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool IsSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Reads an entry from left to right; every `Take` consumes only what matches.
class Scanner
{
public:
    explicit Scanner(const std::u16string& text) : m_text(text) {}

    bool AtEnd() const { return m_at == m_text.size(); }

    void SkipSpace()
    {
        while (!AtEnd() && IsSpace(m_text[m_at]))
            ++m_at;
    }

    // One character, compared without case.
    bool Take(char16_t c)
    {
        if (AtEnd() || Lower(m_text[m_at]) != c)
            return false;
        ++m_at;
        return true;
    }

    bool TakeWord(std::u16string_view word)
    {
        if (m_text.size() - m_at < word.size())
            return false;
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (Lower(m_text[m_at + i]) != word[i])
                return false;
        }
        m_at += word.size();
        return true;
    }

    // A run of decimal digits as ASCII.
    std::string TakeDigits()
    {
        std::string digits;
        while (!AtEnd() && IsDigit(m_text[m_at]))
            digits += static_cast<char>(m_text[m_at++]);
        return digits;
    }

private:
    const std::u16string& m_text;
    std::size_t m_at = 0;
};

// `\s*-?\s*`; true when a minus was taken.
bool TakeSign(Scanner& scanner)
{
    scanner.SkipSpace();
    const bool negative = scanner.Take(u'-');
    scanner.SkipSpace();
    return negative;
}

// `\d{,5}[\.,]?\d*` into `number` with "." as separator. As in the regular expression, a digit
// run without separator may be of any length.
bool TakeDecimal(Scanner& scanner, std::string& number)
{
    number = scanner.TakeDigits();
    if (!scanner.Take(u'.') && !scanner.Take(u','))
        return true;
    if (number.size() > kMaxIntegerDigits)
        return false;
    number += '.' + scanner.TakeDigits();
    return true;
}

bool HasDigits(const std::string& number)
{
    return number.find_first_of("0123456789") != std::string::npos;
}

// The value of a digit text; too many digits for a double give infinity, or 0 for a fraction.
double ToDouble(const std::string& number)
{
    if (!HasDigits(number))
        return 0.0;
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    static_cast<void>(end);
    if (error == std::errc::result_out_of_range) {
        const bool wholeAboveZero = number.substr(0, number.find('.')).find_first_not_of('0') != std::string::npos;
        return wholeAboveZero ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

// An entry read in points, or without digits.
struct Entry
{
    bool matched = false;
    bool hasDigits = false;
    double points = 0.0;
};

// `\s*-?\s*number\s*suffix?`; without a suffix the number is in the field's unit.
Entry ReadNumberWithUnit(const std::u16string& text, double fieldPointsPerUnit)
{
    Scanner scanner(text);
    const bool negative = TakeSign(scanner);
    std::string number;
    if (!TakeDecimal(scanner, number))
        return {};
    scanner.SkipSpace();
    double pointsPerUnit = fieldPointsPerUnit;
    for (const HostUnit& unit : kHostUnits) {
        if (scanner.TakeWord(unit.suffix)) {
            pointsPerUnit = unit.pointsPerUnit;
            break;
        }
    }
    if (!scanner.AtEnd())
        return {};
    const double value = ToDouble(number) * pointsPerUnit;
    return {true, HasDigits(number), negative ? -value : value};
}

// `\s*-?\s*\d{,5}\s*p\s*number?`: picas, then points.
Entry ReadPicas(const std::u16string& text)
{
    Scanner scanner(text);
    const bool negative = TakeSign(scanner);
    const std::string picas = scanner.TakeDigits();
    scanner.SkipSpace();
    if (picas.size() > kMaxIntegerDigits || !scanner.Take(u'p'))
        return {};
    scanner.SkipSpace();
    std::string points;
    if (!TakeDecimal(scanner, points) || !scanner.AtEnd())
        return {};
    const double value = ToDouble(picas) * kPointsPerPica + ToDouble(points);
    return {true, HasDigits(picas) || HasDigits(points), negative ? -value : value};
}

double RoundTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

}  // namespace

std::optional<std::string> UserNumbers::Format(double value, int decimals)
{
    if (!std::isfinite(value))
        return std::nullopt;
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << std::fixed << std::setprecision(ClampDecimals(decimals)) << value;
    return text.str();
}

std::optional<double> UserNumbers::Evaluate(const std::u16string& text, const AIExpressionOptions& options)
{
    const double fieldPointsPerUnit = PointsPerUnit(options.unit);
    Entry entry = ReadNumberWithUnit(text, fieldPointsPerUnit);
    if (!entry.matched)
        entry = ReadPicas(text);
    if (!entry.matched)
        return std::nullopt;
    if (!entry.hasDigits)
        return options.defaultValue;
    const double value = RoundTo(entry.points / fieldPointsPerUnit, ClampDecimals(options.precision));
    return value < options.minimum ? options.minimum : value > options.maximum ? options.maximum : value;
}

AIErr FormatNumberEntry(AIReal value, ASInt32 decimals, AIUnicodeStringHandle text)
{
    const std::optional<std::string> formatted = UserNumbers::Format(value, decimals);
    if (!text || !formatted)
        return BadParameterError();
    text->text.assign(formatted->begin(), formatted->end());  // ASCII: digits, sign and point
    return kNoErr;
}

AIErr EvaluateExpressionEntry(AIUnicodeStringHandle text, const AIExpressionOptions* options, AIReal* value,
                              AIBoolean* failed)
{
    if (!text || !options || !value || !failed)
        return BadParameterError();
    const std::optional<double> result = UserNumbers::Evaluate(text->text, *options);
    *failed = result ? 0 : 1;
    if (result)
        *value = *result;
    return kNoErr;
}

}  // namespace hostsim
