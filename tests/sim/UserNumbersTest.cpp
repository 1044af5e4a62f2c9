#include "sim/host/UserNumbers.h"

#include "support/Utf16Text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using hostsim::UserNumbers;

namespace {

constexpr ASInt32 kNone = 0, kPoint = 1, kMillimetre = 3, kPica = 5, kPercent = 6;

AIExpressionOptions Options(ASInt32 unit, ASInt32 precision = 4)
{
    return {unit, -999999, 1000000, 7.0, precision};
}

std::optional<double> Evaluate(const std::string& utf8, ASInt32 unit, ASInt32 precision = 4)
{
    std::u16string utf16;
    EXPECT_TRUE(Utf16Text::FromUtf8(utf8, utf16)) << utf8;
    return UserNumbers::Evaluate(utf16, Options(unit, precision));
}

struct EvaluationCase
{
    const char* text;
    ASInt32 unit;
    double expected;
};

// Typed units converted into the field's unit, clamped to the range and rounded to the precision;
// entries without digits give the default (7).
constexpr EvaluationCase kEvaluations[] = {
    {"1in", kPoint, 72},        {"25,4 mm", kPoint, 72},    {"2.54cm", kPoint, 72},    {"4H", kPoint, 2.8346},
    {"50%", kPercent, 50},      {"3p6", kPoint, 42},        {"-1p6", kPoint, -18},     {"p6", kPoint, 6},
    {" 3 p 6.5", kPoint, 42.5}, {"72pt", kMillimetre, 25.4}, {"6pt", kPica, 0.5},      {"  - 12 mm", kMillimetre, -12},
    {".5", kPoint, 0.5},        {"1.23456", kPoint, 1.2346}, {"25.4mm", kNone, 72},    {"1234567", kNone, 1000000},
    {"-9999999", kNone, -999999}, {"", kMillimetre, 7},     {"mm", kMillimetre, 7},    {"- ,", kMillimetre, 7},
};

TEST(UserNumbers, EvaluatesNumbersUnitsAndPicasIntoTheFieldUnit)
{
    for (const EvaluationCase& c : kEvaluations) {
        const std::optional<double> value = Evaluate(c.text, c.unit);
        ASSERT_TRUE(value) << c.text;
        EXPECT_NEAR(*value, c.expected, 1e-9) << c.text << " in unit " << c.unit;
    }
    EXPECT_EQ(Evaluate("1.25", kPoint, 1), 1.3);
    EXPECT_EQ(Evaluate("0." + std::string(400, '0') + "1", kPoint), 0.0);
    for (const char* text : {"abc", "12 34", "1e5", "--1", "+5", "12mmm", "1.2.3", "1p2p3", "12 mm ", "mm12", "12kg"})
        EXPECT_FALSE(Evaluate(text, kPoint)) << text;
}

TEST(UserNumbers, FormatsFixedDecimalsOfFiniteValuesOnly)
{
    EXPECT_EQ(UserNumbers::Format(1.5, 2), "1.50");
    EXPECT_EQ(UserNumbers::Format(-0.0001, 3), "-0.000");
    EXPECT_EQ(UserNumbers::Format(2.5, -3), "2");
    EXPECT_FALSE(UserNumbers::Format(std::numeric_limits<double>::quiet_NaN(), 2));
}

}  // namespace
