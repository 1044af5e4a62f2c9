#include "settings/ui/DotGainValidation.h"

#include <gtest/gtest.h>

namespace {

// Minimum, 25 %, 50 %, 75 %, maximum, and the message; empty when the curve is valid. One
// validation checks every curve in turn, so that a valid curve must clear an earlier message.
const std::pair<PressDotGain, const char*> kCurves[] = {
    {{0, 25, 50, 75, 100}, ""},
    {{10, 10, 50, 75, 100}, "\n25 % Dot Gain value is below limit (10.5 %)."},
    {{0, 0, 50, 75, 100}, ""},
    {{0, 10, 15, 75, 100}, ""},
    {{30, 25, 15, 75, 100},
     "\nMinimum Dot Gain value is above limit (25.0 %).\n25 % Dot Gain value is below limit (31.5 %)."
     "\n25 % Dot Gain value is above limit (14.2 %).\n50 % Dot Gain value is below limit (20.0 %)."},
    {{0, 25, 50, 104, 100}, ""},
    {{0, 25, 50, 106, 100}, "\n75 % Dot Gain value is above limit (105.0 %)."},
    // Every value exactly at one of its limits.
    {{25, 26.25, 70, 78.75, 75}, ""},
    {{25, 26.25, 71.25, 78.75, 75}, ""},
    {{0, 0, 95, 99.75, 100}, ""},
    {{0, 90.25, 95, 99.75, 100}, ""},
    {{-1, 25, 50, 75, 100}, "Minimum Dot Gain value is below limit (0.0 %)."},
    {{0, 25, 50, 75, 74}, "\nMaximum Dot Gain value is below limit (75.0 %)."},
    {{0, 25, 50, 75, 101}, "\nMaximum Dot Gain value is above limit (100.0 %)."},
    {{0, 25, 96, 101, 100}, "\n50 % Dot Gain value is above limit (95.0 %)."},
    {{0, 25, 50, 52, 100}, "\n75 % Dot Gain value is below limit (52.5 %)."},
    {{-5, 30, 10, 200, 50},
     "Minimum Dot Gain value is below limit (0.0 %).\n25 % Dot Gain value is above limit (9.5 %)."
     "\n75 % Dot Gain value is above limit (52.5 %).\nMaximum Dot Gain value is below limit (75.0 %)."},
};

TEST(DotGainValidationTest, ReportsEveryFailedTestWithItsLimitInTestOrder)
{
    DotGainValidation validation;
    for (const auto& [curve, message] : kCurves) {
        SCOPED_TRACE(testing::Message() << curve.Minimum << " " << curve.At25 << " " << curve.At50 << " "
                                        << curve.At75 << " " << curve.Maximum);
        EXPECT_EQ(validation.Check(curve), *message == '\0');
        EXPECT_EQ(validation.Message(), message);
    }
}

} // namespace
