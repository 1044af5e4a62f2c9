#include "toolkit/DimensionController.h"

#include "toolkit/DimensionNumbers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace qRVADM {
namespace {

// The host evaluates every entry against this range and precision; the field's own range is
// applied afterwards.
constexpr double kEvaluationMinimum = -999999;
constexpr double kEvaluationMaximum = 1000000;
constexpr ASInt32 kEvaluationPrecision = 4;

// More decimals than a double holds only make noise.
constexpr int kMaxPrecision = 15;
// Rounding up from just above one half, as the host's own fields do.
constexpr double kRoundingBias = 0.5000001192092896;
// From here on a double has no fraction left to round.
constexpr double kIntegralFrom = 9007199254740992.0;

constexpr double kStepEpsilon = 1e-10;
constexpr double kPointsPerPica = 12.0;

struct UnitPrecision
{
    ADMUnits unit;
    int precision;
};

constexpr UnitPrecision kUnitPrecisions[] = {
    {UnitInch, 4}, {UnitCentimetre, 4}, {UnitPercent, 2}, {UnitDegree, 2}};
constexpr int kDefaultPrecision = 3;

// Trailing zeros of a decimal fraction and a then trailing separator go; "-0" becomes "0".
QString Trimmed(QString text)
{
    if (text.contains(QLatin1Char('.'))) {
        while (text.size() >= 2 && text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

}  // namespace

DimensionController::DimensionController(const Dimension& initial, const DimensionNumbers& numbers,
                                         GetTextFunction getText, SetTextFunction setTextAndParse,
                                         SetTextFunction setText, QObject* parent)
    : QObject(parent)
    , m_numbers(numbers)
    , m_getText(std::move(getText))
    , m_setTextAndParse(std::move(setTextAndParse))
    , m_setText(std::move(setText))
    , m_dimension(initial)
    , m_minimum(std::numeric_limits<double>::lowest())
    , m_maximum(std::numeric_limits<double>::max())
{
    SetValue(initial);
}

void DimensionController::SetDefaultValueFunction(DefaultValueFunction defaultValue)
{
    m_defaultValue = std::move(defaultValue);
}

void DimensionController::SetValue(const Dimension& dimension, bool silent)
{
    if (std::isnan(dimension.value))
        return;
    m_dimension = IsNamed(dimension) ? dimension : Clamped(dimension);
    if (!silent)
        Show(DisplayText(m_dimension));
}

void DimensionController::SetValue(double value)
{
    SetValue(Dimension{value, m_dimension.unit});
}

void DimensionController::SetDimension(const Dimension& dimension)
{
    SetValue(dimension.ConvertedTo(m_dimension.unit));
}

void DimensionController::ConvertTo(ADMUnits unit)
{
    m_dimension = m_dimension.ConvertedTo(unit);
}

void DimensionController::SetPrecision(int precision)
{
    m_precision = precision < -1 ? -1 : precision;
}

int DimensionController::PrecisionForUnit(ADMUnits unit)
{
    for (const UnitPrecision& entry : kUnitPrecisions) {
        if (entry.unit == unit)
            return entry.precision;
    }
    return kDefaultPrecision;
}

void DimensionController::AddNamedValue(const QString& name, double value)
{
    m_nameToValue.insert(name, value);
    m_valueToName.insert(value, name);
}

bool DimensionController::IsInRange(const Dimension& dimension) const
{
    const double points = dimension.InPoints();
    return points >= m_minimum && points <= m_maximum;
}

Dimension DimensionController::ParseText() const
{
    const QString text = m_getText();
    std::optional<double> value = NamedValue(text);
    if (!value)
        value = EvaluateNumber(text, m_defaultValue(m_dimension.unit));
    return value ? Dimension{*value, m_dimension.unit} : Dimension{0.0, NotParsed};
}

std::optional<double> DimensionController::Evaluate(const QString& text, double defaultValue) const
{
    const std::optional<double> named = NamedValue(text);
    return named ? named : EvaluateNumber(text, defaultValue);
}

QString DimensionController::Format(const Dimension& dimension, int precision) const
{
    if (!std::isfinite(dimension.value))
        return QString();
    const int decimals = std::min(precision < 0 ? PrecisionForUnit(dimension.unit) : precision, kMaxPrecision);
    const double value = std::fabs(dimension.value) < std::pow(10.0, -(decimals + 1)) ? 0.0 : dimension.value;
    if (dimension.unit == UnitPica)
        return PicaText(value, decimals);
    const QString number = NumberText(value, decimals);
    const QString suffix = QString::fromUtf8(Dimension::Suffix(dimension.unit));
    if (suffix.isEmpty())
        return number;
    return number + (Dimension::SpaceBeforeSuffix(dimension.unit) ? QStringLiteral(" ") : QString()) + suffix;
}

void DimensionController::StepBy(double amount)
{
    const double step = std::fabs(amount);
    if (step < kStepEpsilon)
        return;
    const double value = m_dimension.value;
    const double steps = value / step;
    double target = (amount > 0 ? std::ceil(steps) : std::floor(steps)) * step;
    if (std::fabs(target - value) < kStepEpsilon)
        target += amount;
    Show(Format({target, m_dimension.unit}, m_precision));
    Parse();
}

void DimensionController::Parse()
{
    const Dimension parsed = ParseText();
    SetValue(parsed.IsParsed() ? parsed : m_dimension);
    emit Parsed();
}

void DimensionController::ParseImmediate()
{
    const Dimension parsed = ParseText();
    const Dimension& taken = parsed.IsParsed() ? parsed : m_dimension;
    m_dimension = IsNamed(taken) ? taken : Clamped(taken);
    emit Parsed();
}

void DimensionController::FormatImmediate()
{
    m_setTextAndParse(Format(m_dimension, m_precision));
}

std::optional<double> DimensionController::NamedValue(const QString& text) const
{
    const auto named = m_nameToValue.constFind(text);
    return named != m_nameToValue.constEnd() ? std::optional<double>(named.value()) : std::nullopt;
}

std::optional<double> DimensionController::EvaluateNumber(const QString& text, double defaultValue) const
{
    const AIExpressionOptions options{m_dimension.unit, kEvaluationMinimum, kEvaluationMaximum, defaultValue,
                                      kEvaluationPrecision};
    return m_numbers.EvaluateExpression(text, options);
}

bool DimensionController::IsNamed(const Dimension& dimension) const
{
    return m_valueToName.contains(dimension.value);
}

Dimension DimensionController::Clamped(const Dimension& dimension) const
{
    const double points = dimension.InPoints();
    if (points < m_minimum)
        return {m_minimum / Dimension::PointsPerUnit(dimension.unit), dimension.unit};
    if (points > m_maximum)
        return {m_maximum / Dimension::PointsPerUnit(dimension.unit), dimension.unit};
    return dimension;
}

QString DimensionController::DisplayText(const Dimension& dimension) const
{
    const auto name = m_valueToName.constFind(dimension.value);
    return name != m_valueToName.constEnd() ? name.value() : Format(dimension, m_precision);
}

// A positive value is rounded here; the host rounds the others.
QString DimensionController::NumberText(double value, int precision) const
{
    if (value > 0) {
        const double scale = std::pow(10.0, precision);
        if (value * scale < kIntegralFrom)
            value = std::trunc(value * scale + kRoundingBias) / scale;
    }
    return Trimmed(m_numbers.FormatNumber(value, precision).value_or(QString()));
}

// Whole picas with no decimals and untrimmed (so -0.5 picas keep their sign), then the points.
QString DimensionController::PicaText(double picas, int precision) const
{
    const double whole = std::trunc(picas);
    const double points = std::fabs(picas - whole) * kPointsPerPica;
    return m_numbers.FormatNumber(whole, 0).value_or(QString()) + QString::fromUtf8(Dimension::Suffix(UnitPica)) +
           NumberText(points, precision);
}

void DimensionController::Show(const QString& text)
{
    if (text != m_getText())
        m_setText(text);
}

}  // namespace qRVADM
