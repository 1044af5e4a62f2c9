#pragma once

#include "toolkit/DimensionNumbers.h"

struct AIUnicodeStringSuite;
struct AIUserSuite;

namespace qRVADM {

// Number formatting and expression evaluation through "AI User Suite" entries 8 and 46, with
// the host's string objects made by the "AI Unicode String Suite". Both suites must outlive it;
// without either (null) every call gives nothing.
class DimensionUserSuite final : public DimensionNumbers
{
public:
    DimensionUserSuite(const AIUserSuite* user, const AIUnicodeStringSuite* strings);

    std::optional<QString> FormatNumber(double value, int decimals) const override;
    std::optional<double> EvaluateExpression(const QString& text, const AIExpressionOptions& options) const override;

private:
    const AIUserSuite* m_user;
    const AIUnicodeStringSuite* m_strings;
};

}  // namespace qRVADM
