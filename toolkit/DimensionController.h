#pragma once

#include "toolkit/Dimension.h"

#include <QMap>
#include <QObject>
#include <QString>

#include <boost/function.hpp>

#include <optional>

namespace qRVADM {

class DimensionNumbers;

// Holds the value of a numeric field with its unit, its range (in points), its precision and its
// named values, and converts between that value and the field's text. The field is reached only
// through the text callbacks; calling one that is empty throws boost::bad_function_call.
class DimensionController : public QObject
{
    Q_OBJECT

public:
    using GetTextFunction = boost::function<QString()>;
    using SetTextFunction = boost::function<void(const QString&)>;
    // The value an empty or partial entry stands for, in the given unit.
    using DefaultValueFunction = boost::function<double(ADMUnits)>;

    // Shows `initial` through `setText`. `numbers` must outlive the controller.
    DimensionController(const Dimension& initial, const DimensionNumbers& numbers, GetTextFunction getText,
                        SetTextFunction setTextAndParse, SetTextFunction setText, QObject* parent = nullptr);

    void SetDefaultValueFunction(DefaultValueFunction defaultValue);

    const Dimension& GetDimension() const { return m_dimension; }
    // A value that is not named is brought into the range; unless `silent` the field then shows it.
    // A NaN value is ignored.
    void SetValue(const Dimension& dimension, bool silent = false);
    // `value` in the current unit.
    void SetValue(double value);
    // `dimension` converted to the current unit.
    void SetDimension(const Dimension& dimension);
    // Converts the current value to `unit` without showing it.
    void ConvertTo(ADMUnits unit);

    // Range limits in points, both inclusive.
    void SetMaximum(double points) { m_maximum = points; }
    void SetMinimum(double points) { m_minimum = points; }
    double GetMaximum() const { return m_maximum; }
    double GetMinimum() const { return m_minimum; }

    // Decimals shown; -1 (and anything below) lets the unit decide.
    void SetPrecision(int precision);
    int GetPrecision() const { return m_precision; }
    // Decimals for a unit: inch and centimetre 4, percent and degree 2, every other unit 3.
    static int PrecisionForUnit(ADMUnits unit);

    // `name` stands for `value` (in the current unit) both when typed and when shown; named values
    // are never clamped.
    void AddNamedValue(const QString& name, double value);
    bool IsInRange(const Dimension& dimension) const;

    // The field's text as a dimension in the current unit, or one with unit `NotParsed`.
    Dimension ParseText() const;
    // The value `text` stands for in the current unit: a name's value, or the host's evaluation
    // with `defaultValue` for an empty or partial entry; nothing when it does not evaluate.
    std::optional<double> Evaluate(const QString& text, double defaultValue) const;
    // `dimension` as text with `precision` decimals (-1: by unit), trimmed, with its unit suffix;
    // picas as picas "p" points. Empty for a value that is not finite.
    QString Format(const Dimension& dimension, int precision) const;
    // Moves to the next multiple of |amount| in the direction of `amount`, shows and parses it.
    void StepBy(double amount);

signals:
    // After every parse of the field's text.
    void Parsed();
    // Declared for connections; never emitted.
    void OutOfRange();

public slots:
    // Takes the text's value, or puts the last good value back when the text does not parse.
    void Parse();
    // Takes the text's value, or keeps the current one, without touching the text.
    void ParseImmediate();
    // Shows the current value as a number (never a name) through the set-text-and-parse callback.
    void FormatImmediate();

private:
    std::optional<double> NamedValue(const QString& text) const;
    std::optional<double> EvaluateNumber(const QString& text, double defaultValue) const;
    bool IsNamed(const Dimension& dimension) const;
    Dimension Clamped(const Dimension& dimension) const;
    QString DisplayText(const Dimension& dimension) const;
    QString NumberText(double value, int precision) const;
    QString PicaText(double picas, int precision) const;
    void Show(const QString& text);

    const DimensionNumbers& m_numbers;
    GetTextFunction m_getText;
    SetTextFunction m_setTextAndParse;
    SetTextFunction m_setText;
    DefaultValueFunction m_defaultValue;
    Dimension m_dimension;
    QMap<QString, double> m_nameToValue;
    QMap<double, QString> m_valueToName;
    double m_minimum;
    double m_maximum;
    int m_precision = -1;
};

}  // namespace qRVADM
