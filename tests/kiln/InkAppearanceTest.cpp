#include "sim/kiln/InkAppearance.h"

#include <gtest/gtest.h>

namespace {

using kiln::FromLab;
using kiln::FromRgb255;
using kiln::InkRgb;

struct LabCase
{
    double lab[3];
    InkRgb rgb;
};

// Reference sRGB values of well-known D50 Lab colours, to the third decimal.
constexpr LabCase kLabCases[] = {
    {{100.0, 0.0, 0.0}, {1.0, 1.0, 1.0}},
    {{30.0, 90.0, -120.0}, {0.3088, 0.0, 1.0}},  // outside the gamut: clamped
    {{0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}},
    {{50.0, 0.0, 0.0}, {0.4663, 0.4663, 0.4663}},
    {{54.29, 80.80, 69.89}, {1.0, 0.0, 0.0}},  // sRGB red
};

TEST(InkAppearanceTest, LabConvertsToSrgb)
{
    for (const LabCase& c : kLabCases) {
        const InkRgb rgb = FromLab(c.lab[0], c.lab[1], c.lab[2]);
        EXPECT_NEAR(rgb.red, c.rgb.red, 0.01) << c.lab[0];
        EXPECT_NEAR(rgb.green, c.rgb.green, 0.01) << c.lab[0];
        EXPECT_NEAR(rgb.blue, c.rgb.blue, 0.01) << c.lab[0];
    }
}

TEST(InkAppearanceTest, RgbIsScaledAndClamped)
{
    const InkRgb rgb = FromRgb255(255.0, 51.0, 300.0);
    EXPECT_EQ(rgb.red, 1.0);
    EXPECT_DOUBLE_EQ(rgb.green, 0.2);
    EXPECT_EQ(rgb.blue, 1.0);
    EXPECT_EQ(FromRgb255(-4.0, 0.0, 0.0).red, 0.0);
}

}  // namespace
