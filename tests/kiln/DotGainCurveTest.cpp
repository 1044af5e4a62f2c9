#include "sim/kiln/DotGainCurve.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using kiln::DotGainCurve;

DotGainCurve Curve(double minimum, double at25, double at50, double at75, double maximum)
{
    DotGainCurve curve;
    EXPECT_TRUE(curve.Set(minimum, at25, at50, at75, maximum));
    return curve;
}

TEST(DotGainCurveTest, PassesThroughItsPointsButPaperAndSolidPrintAsThemselves)
{
    const DotGainCurve curve = Curve(0.02, 0.3, 0.6, 0.85, 0.97);
    EXPECT_NEAR(curve.Apply(0.25), 0.3, 1e-12);
    EXPECT_NEAR(curve.Apply(0.5), 0.6, 1e-12);
    EXPECT_NEAR(curve.Apply(0.75), 0.85, 1e-12);
    EXPECT_NEAR(curve.Apply(1e-9), 0.02, 1e-6);
    EXPECT_NEAR(curve.Apply(1.0 - 1e-9), 0.97, 1e-6);
    EXPECT_EQ(curve.Apply(0.0), 0.0);
    EXPECT_EQ(curve.Apply(1.0), 1.0);
    EXPECT_EQ(curve.Table()[0], 0);
    EXPECT_EQ(curve.Table()[255], 255);
}

TEST(DotGainCurveTest, NeverOvershootsBetweenMonotonePointsAndRefusesValuesOutsideZeroToOne)
{
    // Steep then flat: a plain cubic spline would rise above 0.95 before 75 %.
    DotGainCurve curve = Curve(0.0, 0.1, 0.9, 0.95, 0.95);
    double previous = 0.0;
    for (int i = 1; i < 1000; ++i) {
        const double value = curve.Apply(i / 1000.0);
        EXPECT_GE(value, previous - 1e-12) << i;
        EXPECT_LE(value, 0.95 + 1e-12) << i;
        previous = value;
    }
    EXPECT_FALSE(curve.Set(-0.01, 0.25, 0.5, 0.75, 1.0));
    EXPECT_FALSE(curve.Set(0.0, std::nan(""), 0.5, 0.75, 1.0));
    EXPECT_NEAR(curve.Apply(0.5), 0.9, 1e-12);
}

}  // namespace
