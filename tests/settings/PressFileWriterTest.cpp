#include "settings/PressFileWriter.h"

#include "settings/PressSettings.h"
#include "tests/settings/PressTestText.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(PressFileWriterTest, ADefaultRecordIsWrittenByteForByte)
{
    EXPECT_EQ(PressFileWriter::Format(PressSettings("Default")), kDefaultRecordText);
}

TEST(PressFileWriterTest, ValuesMatchPrintfInTheClassicLocale)
{
    PressSettings record("Values");
    record.Version = -2;
    record.FirstDot = 2147483647;
    record.MinLuminanceValue = -2147483647 - 1;
    record.TACLimit = 1e20;
    record.FirstDotDarkening = -0.0000005;
    record.DeviationDistance = static_cast<float>(0.1);
    record.SetDotGain(12.3456785, 0.0000004, 99.9999996, -3.25, 1.0 / 3.0);
    const std::string text = PressFileWriter::Format(record);
    char expected[2048];
    std::snprintf(expected, sizeof expected,
                  "Version: %d\nFirstDot: %d\nMinLuminanceValue: %d\nTACLimit: %f\n"
                  "FirstDotDarkening: %f\nDeviationDistance: %f\nMinimum Dot Gain: %f\n"
                  "25 Dot Gain: %f\n50 Dot Gain: %f\n75 Dot Gain: %f\nMaximum Dot Gain: %f\n",
                  record.Version, record.FirstDot, record.MinLuminanceValue, record.TACLimit,
                  record.FirstDotDarkening, record.DeviationDistance, record.MinimumDotGain,
                  record.DotGain25, record.DotGain50, record.DotGain75, record.MaximumDotGain);
    std::string line;
    for (const char* at = expected; *at; ++at) {
        line += *at;
        if (*at == '\n') {
            EXPECT_NE(text.find(line), std::string::npos) << line;
            line.clear();
        }
    }
}

TEST(PressFileWriterTest, RegressionCommaLocaleDoesNotChangeTheDecimalPoint)
{
    CommaLocaleGuard locale;
    if (!locale.Active())
        GTEST_SKIP() << "no German locale (scripts/bootstrap generates de_DE.UTF-8)";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%f", 0.5);
    ASSERT_STREQ(probe, "0,500000") << "the locale must really use a comma";
    EXPECT_EQ(PressFileWriter::Format(PressSettings("Default")), kDefaultRecordText);
}

} // namespace
