#include "sim/host/UserNumbers.h"

#include "plugin/suites/AIUnicodeStringSuite.h"
#include "plugin/suites/FourCC.h"
#include "sim/host/Host.h"
#include "sim/host/HostStrings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

using hostsim::UserNumbers;

namespace {

constexpr ASInt32 kNone = 0, kPoint = 1, kInch = 2, kMillimetre = 3, kPica = 5, kPercent = 6;

AIExpressionOptions Options(ASInt32 unit, double defaultValue = 7.0, ASInt32 precision = 4)
{
    return {unit, -999999, 1000000, defaultValue, precision};
}

std::optional<double> Evaluate(const std::string& utf8, ASInt32 unit)
{
    return UserNumbers::Evaluate(hostsim::Utf8ToUtf16(utf8), Options(unit));
}

struct EvaluationCase
{
    const char* text;
    ASInt32 unit;
    double expected;
};

// Entries in the field's unit, with typed units converted and the result rounded to 4 decimals.
constexpr EvaluationCase kEvaluations[] = {
    {"12", kPoint, 12},          {"12pt", kPoint, 12},        {"1in", kPoint, 72},
    {"25.4mm", kPoint, 72},      {"25,4 mm", kPoint, 72},     {"2.54cm", kPoint, 72},
    {"1pc", kPoint, 12},         {"4H", kPoint, 2.8346},      {"10px", kPoint, 10},
    {"45\u00B0", kPoint, 45},    {"50%", kPercent, 50},       {"1IN", kPoint, 72},
    {"3p6", kPoint, 42},         {"3P6", kPoint, 42},         {"-1p6", kPoint, -18},
    {"p6", kPoint, 6},           {"3p", kPoint, 36},          {" 3 p 6.5", kPoint, 42.5},
    {"1in", kMillimetre, 25.4},  {"72pt", kMillimetre, 25.4}, {"3", kMillimetre, 3},
    {"3p6", kPica, 3.5},         {"6pt", kPica, 0.5},         {"2", kPica, 2},
    {"  - 12 mm", kMillimetre, -12}, {"12 ", kMillimetre, 12}, {".5", kPoint, 0.5},
    {"5.", kPoint, 5},           {"1.23456", kPoint, 1.2346}, {"123456", kNone, 123456},
    {"12345.678", kNone, 12345.678}, {"1in", 42, 72},         {"25.4mm", kNone, 72},
};

TEST(UserNumbersEvaluate, ReadsNumbersUnitsAndPicasIntoTheFieldUnit)
{
    for (const EvaluationCase& c : kEvaluations) {
        const std::optional<double> value = Evaluate(c.text, c.unit);
        ASSERT_TRUE(value) << c.text;
        EXPECT_NEAR(*value, c.expected, 1e-9) << c.text << " in unit " << c.unit;
    }
}

TEST(UserNumbersEvaluate, RefusesEverythingOutsideTheSyntax)
{
    for (const char* text : {"abc", "12 34", "1e5", "--1", "+5", "12mmm", "1.2.3", "1p2p3", "123456p", "123456.5",
                             "12 mm ", "mm12", "1,2,3", "12kg", "\u00B0\u00B0"})
        EXPECT_FALSE(Evaluate(text, kPoint)) << text;
}

TEST(UserNumbersEvaluate, EntriesWithoutDigitsGiveTheDefaultValue)
{
    for (const char* text : {"", "-", "mm", " p ", ".", "- ,"}) {
        const std::optional<double> value = Evaluate(text, kMillimetre);
        ASSERT_TRUE(value) << text;
        EXPECT_EQ(*value, 7.0) << text;
    }
}

TEST(UserNumbersEvaluate, BringsResultsIntoTheRangeAndRoundsToTheRequestedPrecision)
{
    EXPECT_EQ(Evaluate("1234567", kNone), 1000000);
    EXPECT_EQ(Evaluate("-9999999", kNone), -999999);
    EXPECT_EQ(Evaluate("99999in", kPoint), 1000000);
    EXPECT_EQ(Evaluate(std::string(400, '9'), kPoint), 1000000);
    EXPECT_EQ(Evaluate("0." + std::string(400, '0') + "1", kPoint), 0.0);
    EXPECT_EQ(UserNumbers::Evaluate(u"1.25", Options(kPoint, 0, 1)), 1.3);
    EXPECT_EQ(UserNumbers::Evaluate(u"1.5", Options(kPoint, 0, 0)), 2.0);
    EXPECT_EQ(UserNumbers::Evaluate(u"1.23456789", Options(kPoint, 0, 99)), 1.23456789);
}

TEST(UserNumbersFormat, WritesFixedDecimalsOfFiniteValuesOnly)
{
    EXPECT_EQ(UserNumbers::Format(1.5, 2), "1.50");
    EXPECT_EQ(UserNumbers::Format(2.0, 0), "2");
    EXPECT_EQ(UserNumbers::Format(-0.0001, 3), "-0.000");
    EXPECT_EQ(UserNumbers::Format(-0.0, 0), "-0");
    EXPECT_EQ(UserNumbers::Format(2.5, -3), "2");
    EXPECT_EQ(UserNumbers::Format(0.1, 40), "0.100000000000000");
    EXPECT_FALSE(UserNumbers::Format(std::numeric_limits<double>::quiet_NaN(), 2));
    EXPECT_FALSE(UserNumbers::Format(-std::numeric_limits<double>::infinity(), 2));
}

TEST(UserNumbersFormat, IgnoresACommaDecimalProcessLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    const std::optional<std::string> text = UserNumbers::Format(1.5, 1);
    const std::optional<double> value = UserNumbers::Evaluate(u"2.5", Options(kPoint));
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(text, "1.5");
    EXPECT_EQ(value, 2.5);
}

class UserSuiteTest : public ::testing::Test
{
protected:
    static const AIUserSuite* Acquire(hostsim::Host& host)
    {
        const void* suite = nullptr;
        return host.Suites().Acquire(AIUserSuite::kName, AIUserSuite::kVersion, &suite) == kNoErr
                   ? static_cast<const AIUserSuite*>(suite) : nullptr;
    }

    AIUnicodeStringOpaque String(const char* utf8) { return {hostsim::Utf8ToUtf16(utf8)}; }

    hostsim::Host host;
    const AIUserSuite& user = *Acquire(host);
};

TEST_F(UserSuiteTest, FormatNumberReplacesTheStringAndEvaluateReportsValueOrFailure)
{
    AIUnicodeStringOpaque text = String("old");
    EXPECT_EQ(user.FormatNumber(12.345, 1, &text), kNoErr);
    EXPECT_EQ(text.text, u"12.3");
    const AIExpressionOptions options = Options(kMillimetre);
    AIUnicodeStringOpaque inch = String("1 in");
    AIUnicodeStringOpaque word = String("one inch");
    AIReal value = 0;
    AIBoolean failed = 1;
    EXPECT_EQ(user.EvaluateExpression(&inch, &options, &value, &failed), kNoErr);
    EXPECT_EQ(failed, 0);
    EXPECT_DOUBLE_EQ(value, 25.4);

    value = -1;
    EXPECT_EQ(user.EvaluateExpression(&word, &options, &value, &failed), kNoErr);
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(value, -1);
}

TEST_F(UserSuiteTest, EntriesRefuseMissingArguments)
{
    const AIExpressionOptions options = Options(kPoint);
    AIUnicodeStringOpaque text = String("1");
    AIReal value = 0;
    AIBoolean failed = 0;
    EXPECT_EQ(user.FormatNumber(1.0, 1, nullptr), FourCC("PARM"));
    EXPECT_EQ(user.EvaluateExpression(nullptr, &options, &value, &failed), FourCC("PARM"));
    EXPECT_EQ(user.EvaluateExpression(&text, nullptr, &value, &failed), FourCC("PARM"));
    EXPECT_EQ(user.EvaluateExpression(&text, &options, nullptr, &failed), FourCC("PARM"));
    EXPECT_EQ(user.EvaluateExpression(&text, &options, &value, nullptr), FourCC("PARM"));
}

}  // namespace
