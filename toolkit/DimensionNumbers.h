#pragma once

#include "plugin/suites/AIUserSuite.h"

#include <optional>

class QString;

namespace qRVADM {

// The host's number formatting and expression evaluation, as the numeric entry uses them.
class DimensionNumbers
{
public:
    DimensionNumbers() = default;
    DimensionNumbers(const DimensionNumbers&) = delete;
    DimensionNumbers& operator=(const DimensionNumbers&) = delete;
    virtual ~DimensionNumbers() = default;

    // `value` written with `decimals` decimals; nothing when the host refuses it.
    virtual std::optional<QString> FormatNumber(double value, int decimals) const = 0;
    // The value of typed `text` in `options.unit`; nothing when it is not an expression or the
    // host call fails.
    virtual std::optional<double> EvaluateExpression(const QString& text, const AIExpressionOptions& options) const = 0;
};

}  // namespace qRVADM
