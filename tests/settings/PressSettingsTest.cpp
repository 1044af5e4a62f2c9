#include "settings/PressSettings.h"

#include "settings/PressError.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

std::array<double, 5> CurveOf(const PressSettings& record)
{
    const PressDotGain curve = record.GetDotGain();
    return {curve.Minimum, curve.At25, curve.At50, curve.At75, curve.Maximum};
}

TEST(PressSettingsTest, ANewRecordHasEveryDefault)
{
    const PressSettings record("Coated");
    EXPECT_EQ(record.Name, "Coated");
    EXPECT_EQ(record.Version, 3);
    EXPECT_FALSE(record.IsFlexo);
    EXPECT_EQ(record.FirstDot, 1);
    EXPECT_FALSE(record.HasDarkening);
    EXPECT_EQ(record.FirstDotDarkening, 10.0);
    EXPECT_EQ(record.DarkeningRange, 50.0);
    EXPECT_FALSE(record.HasTAC);
    EXPECT_EQ(record.TACLimit, 270.0);
    EXPECT_FALSE(record.HasDeviation);
    EXPECT_EQ(record.DeviationDistance, 0.1);
    EXPECT_TRUE(record.CheckAngleDifference30);
    EXPECT_TRUE(record.CheckDifferentRulings);
    EXPECT_TRUE(record.CheckSameAngles);
    EXPECT_TRUE(record.CheckDifferentDotshape);
    EXPECT_TRUE(record.ExcludeMinLuminance);
    EXPECT_TRUE(record.ExcludeMaxLuminance);
    EXPECT_EQ(record.MinLuminanceValue, 0);
    EXPECT_EQ(record.MaxLuminanceValue, 85);
    EXPECT_TRUE(record.ExcludeMinDensity);
    EXPECT_TRUE(record.ExcludeMaxDensity);
    EXPECT_EQ(record.MinDensityValue, 5.0);
    EXPECT_EQ(record.MaxDensityValue, 95.0);
    EXPECT_EQ(CurveOf(record), (std::array<double, 5> {0.0, 0.0, 0.0, 0.0, 0.0}));
}

TEST(PressSettingsTest, NamesOverTwoHundredFiftyFiveBytesAreRefused)
{
    EXPECT_EQ(PressSettings(std::string(255, 'x')).Name.size(), 255u);
    EXPECT_THROW(PressSettings(std::string(256, 'x')), PressError);
    // 128 two-byte characters: 128 characters but 256 bytes.
    std::string accented;
    for (int i = 0; i < 128; ++i)
        accented += "\xC3\xA9";
    EXPECT_THROW(PressSettings {accented}, PressError);
}

TEST(PressSettingsTest, ErrorsCarryNoText)
{
    EXPECT_STREQ(PressError().what(), "");
}

TEST(PressSettingsTest, DotGainIsSetAndReadInCurveOrder)
{
    PressSettings record("Curve");
    record.SetDotGain(1.5, 28.0, 56.0, 81.0, 99.5);
    EXPECT_EQ(record.MinimumDotGain, 1.5);
    EXPECT_EQ(record.DotGain25, 28.0);
    EXPECT_EQ(record.DotGain50, 56.0);
    EXPECT_EQ(record.DotGain75, 81.0);
    EXPECT_EQ(record.MaximumDotGain, 99.5);
    EXPECT_EQ(CurveOf(record), (std::array<double, 5> {1.5, 28.0, 56.0, 81.0, 99.5}));
}

} // namespace
