#pragma once

#include "plugin/suites/AIUserSuite.h"

#include <optional>
#include <string>

namespace hostsim {

// The host's number formatting and expression evaluation behind "AI User Suite" entries 8 and 46.
class UserNumbers
{
public:
    // `value` in fixed notation with `decimals` decimals (0 to 15; others are brought into that
    // range), "." as separator whatever the process locale; nothing for a value that is not finite.
    static std::optional<std::string> Format(double value, int decimals);

    // Evaluates a typed entry: a signed number of at most five integer digits before a "." or ","
    // separator, followed by a unit suffix ("pt", "in", "mm", "pc", "cm", "px", "H", degree sign,
    // "%", case-insensitive), or picas "p" points. The result is in `options.unit`, rounded to
    // `options.precision` decimals and brought into the options' range; an entry without digits is
    // the default value. Nothing when the text does not have that form.
    static std::optional<double> Evaluate(const std::u16string& text, const AIExpressionOptions& options);
};

// The suite entries, for the host's "AI User Suite" table.
AIErr FormatNumberEntry(AIReal value, ASInt32 decimals, AIUnicodeStringHandle text);
AIErr EvaluateExpressionEntry(AIUnicodeStringHandle text, const AIExpressionOptions* options, AIReal* value,
                              AIBoolean* failed);

}  // namespace hostsim
