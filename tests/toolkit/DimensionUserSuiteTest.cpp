#include "toolkit/DimensionUserSuite.h"

#include "SimulatedHostNumbers.h"

#include <QString>
#include <gtest/gtest.h>

#include <cmath>

using qRVADM::DimensionUserSuite;

namespace {

class DimensionUserSuiteTest : public ::testing::Test
{
protected:
    SimulatedHostNumbers host;
    const qRVADM::DimensionNumbers& numbers = host.Numbers();
};

TEST_F(DimensionUserSuiteTest, FormatsThroughAHostStringUnlessTheHostRefuses)
{
    EXPECT_EQ(numbers.FormatNumber(2.5, 3), QString("2.500"));
    EXPECT_FALSE(numbers.FormatNumber(std::nan(""), 3));
}

TEST_F(DimensionUserSuiteTest, EvaluatesTextBeyondAsciiThroughAHostString)
{
    const AIExpressionOptions options{1, -999999, 1000000, 0, 4};
    EXPECT_EQ(numbers.EvaluateExpression(QString::fromUtf8("45\u00B0"), options), 45.0);
    EXPECT_FALSE(numbers.EvaluateExpression(QString::fromUtf8("45\u00B1"), options));
}

TEST_F(DimensionUserSuiteTest, WithoutTheSuitesOrTheirEntriesGivesNothing)
{
    const AIUserSuite empty{};
    const AIExpressionOptions options{1, -999999, 1000000, 0, 4};
    const DimensionUserSuite noEntries(&empty, &host.Acquire<AIUnicodeStringSuite>());
    const DimensionUserSuite noSuites(nullptr, nullptr);
    for (const DimensionUserSuite* without : {&noEntries, &noSuites}) {
        EXPECT_FALSE(without->FormatNumber(1.0, 1));
        EXPECT_FALSE(without->EvaluateExpression("1", options));
    }
}

}  // namespace
