#include "settings/ui/DotGainValidation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case
{
    const char* name;
    PressDotGain curve;
    // Empty when the curve is valid.
    const char* message;
};

// Minimum, 25 %, 50 %, 75 %, maximum.
const Case kCases[] = {
    {"DefaultsPass", {0, 25, 50, 75, 100}, ""},
    {"TwentyFiveAtAMinimumOfZeroPasses", {0, 0, 50, 75, 100}, ""},
    {"TwentyFiveAtTheMinimumFailsAboveZero", {10, 10, 50, 75, 100},
     "\n25 % Dot Gain value is below limit (10.5 %)."},
    {"FiftyOfFifteenPassesWithMinimumZero", {0, 10, 15, 75, 100}, ""},
    {"MinimumPartComesBeforeTheFiftyPart", {30, 25, 15, 75, 100},
     "\nMinimum Dot Gain value is above limit (25.0 %)."
     "\n25 % Dot Gain value is below limit (31.5 %)."
     "\n25 % Dot Gain value is above limit (14.2 %)."
     "\n50 % Dot Gain value is below limit (20.0 %)."},
    {"SeventyFiveUpToFivePercentOverTheMaximumPasses", {0, 25, 50, 104, 100}, ""},
    {"SeventyFiveBeyondFivePercentOverTheMaximumFails", {0, 25, 50, 106, 100},
     "\n75 % Dot Gain value is above limit (105.0 %)."},
    {"HighLimitsOfMinimumAndSeventyFiveAndLowLimitsOfTwentyFiveAndMaximumPass", {25, 26.25, 70, 78.75, 75}, ""},
    {"HighLimitOfFiftyPasses", {25, 26.25, 71.25, 78.75, 75}, ""},
    {"LowLimitsOfMinimumTwentyFiveAndSeventyFiveAndHighLimitsOfFiftyAndMaximumPass", {0, 0, 95, 99.75, 100}, ""},
    {"HighLimitOfTwentyFivePasses", {0, 90.25, 95, 99.75, 100}, ""},
    {"NegativeMinimumStartsTheTextWithoutALineBreak", {-1, 25, 50, 75, 100},
     "Minimum Dot Gain value is below limit (0.0 %)."},
    {"MaximumBelowItsLowLimit", {0, 25, 50, 75, 74}, "\nMaximum Dot Gain value is below limit (75.0 %)."},
    {"MaximumAboveItsHighLimit", {0, 25, 50, 75, 101}, "\nMaximum Dot Gain value is above limit (100.0 %)."},
    {"FiftyAboveTheMaximumsShare", {0, 25, 96, 101, 100},
     "\n50 % Dot Gain value is above limit (95.0 %)."},
    {"SeventyFiveBelowTheFiftysGain", {0, 25, 50, 52, 100}, "\n75 % Dot Gain value is below limit (52.5 %)."},
    {"FailuresAppearInTableOrder", {-5, 30, 10, 200, 50},
     "Minimum Dot Gain value is below limit (0.0 %)."
     "\n25 % Dot Gain value is above limit (9.5 %)."
     "\n75 % Dot Gain value is above limit (52.5 %)."
     "\nMaximum Dot Gain value is below limit (75.0 %)."},
};

class DotGainValidationCase : public testing::TestWithParam<Case>
{
};

TEST_P(DotGainValidationCase, ReportsEveryFailedTestWithItsLimit)
{
    const Case& c = GetParam();
    DotGainValidation validation;
    EXPECT_EQ(validation.Check(c.curve), std::string(c.message).empty());
    EXPECT_EQ(validation.Message(), c.message);
}

INSTANTIATE_TEST_SUITE_P(Curves, DotGainValidationCase, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(DotGainValidation, ALaterValidCheckClearsTheMessage)
{
    DotGainValidation validation;
    ASSERT_FALSE(validation.Check({10, 10, 50, 75, 100}));
    EXPECT_TRUE(validation.Check({0, 25, 50, 75, 100}));
    EXPECT_EQ(validation.Message(), "");
    EXPECT_DOUBLE_EQ(validation.Limit(DotGainValidation::kAt25Low), 0.0);
}

} // namespace
