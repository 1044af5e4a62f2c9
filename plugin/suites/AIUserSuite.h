#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// What an expression is evaluated against. The unit is the toolkit's unit code (1 point,
// 2 inch, 3 millimetre, ...); the result is in that unit.
struct AIExpressionOptions
{
    ASInt32 unit;
    AIReal minimum;
    AIReal maximum;
    AIReal defaultValue;  // the value of an empty or partial expression
    ASInt32 precision;    // decimals
};

// "AI User Suite" 15. Host UI thread.
struct AIUserSuite
{
    static constexpr const char* kName = "AI User Suite";
    static constexpr ASInt32 kVersion = 15;

    SuiteReserved reserved0To7[8];
    // Replaces the content of the caller's string object with `value` shown with `decimals`.
    AIErr (*FormatNumber)(AIReal value, ASInt32 decimals, AIUnicodeStringHandle text);
    SuiteReserved reserved9To20[12];
    AIErr (*GetHostTicks)(ASUInt32* ticks);  // wraps at 32 bits
    SuiteReserved reserved22To45[24];
    // `failed` is set to 1 when the text is not an expression; `value` is then unspecified.
    AIErr (*EvaluateExpression)(AIUnicodeStringHandle text, const AIExpressionOptions* options,
                                AIReal* value, AIBoolean* failed);
    SuiteReserved reserved47To51[5];
    AIReal (*GetUIScaleFactor)();
    AIReal (*GetDocumentViewScaleFactor)(AIDocumentViewHandle view);
};
HL_SUITE_ENTRY(AIUserSuite, FormatNumber, 8);
HL_SUITE_ENTRY(AIUserSuite, GetHostTicks, 21);
HL_SUITE_ENTRY(AIUserSuite, EvaluateExpression, 46);
HL_SUITE_ENTRY(AIUserSuite, GetUIScaleFactor, 52);
HL_SUITE_ENTRY(AIUserSuite, GetDocumentViewScaleFactor, 53);
