#include "toolkit/Dimension.h"

#include <gtest/gtest.h>

#include <string>

using namespace qRVADM;

namespace {

struct UnitCase
{
    ADMUnits unit;
    const char* suffix;
    const char* listSuffix;
    bool space;
    double pointsPerUnit;
};

constexpr UnitCase kUnits[] = {
    {UnitNone, "", "", false, 1.0},
    {UnitPoint, "pt", "pt", true, 1.0},
    {UnitInch, "in", "in", true, 72.0},
    {UnitMillimetre, "mm", "mm", true, 72.0 / 25.4},
    {UnitCentimetre, "cm", "cm", true, 720.0 / 25.4},
    {UnitPica, "p", "pc", false, 12.0},
    {UnitPercent, "%", "%", false, 1.0},
    {UnitDegree, "\u00B0", "\u00B0", false, 1.0},
    {UnitQ, "H", "H", true, 72.0 / 101.6},
    {UnitPixel, "px", "px", true, 1.0},
    {static_cast<ADMUnits>(9), "", "", false, 1.0},
    {static_cast<ADMUnits>(-1), "", "", false, 1.0},
    {NotParsed, "", "", false, 1.0},
};

TEST(DimensionUnits, SuffixSpacingAndFactorOfEveryCode)
{
    for (const UnitCase& c : kUnits) {
        EXPECT_EQ(std::string(Dimension::Suffix(c.unit)), c.suffix) << c.unit;
        EXPECT_EQ(std::string(Dimension::ListSuffix(c.unit)), c.listSuffix) << c.unit;
        EXPECT_EQ(Dimension::SpaceBeforeSuffix(c.unit), c.space) << c.unit;
        EXPECT_DOUBLE_EQ(Dimension::PointsPerUnit(c.unit), c.pointsPerUnit) << c.unit;
    }
}

TEST(DimensionConversion, ScalesBetweenUnits)
{
    const Dimension inch{1.0, UnitInch};
    EXPECT_DOUBLE_EQ(inch.ConvertedTo(UnitMillimetre).value, 25.4);
    EXPECT_EQ(inch.ConvertedTo(UnitMillimetre).unit, UnitMillimetre);
    EXPECT_DOUBLE_EQ(inch.ConvertedTo(UnitPica).value, 6.0);
    EXPECT_DOUBLE_EQ(inch.ConvertedTo(UnitNone).value, 72.0);
    EXPECT_DOUBLE_EQ((Dimension{10.0, UnitCentimetre}).ConvertedTo(UnitQ).value, 400.0);
    EXPECT_DOUBLE_EQ((Dimension{25.4, UnitMillimetre}).InPoints(), 72.0);
}

TEST(DimensionConversion, ABareNumberIsOnlyRelabelled)
{
    const Dimension bare = Dimension{5.0, UnitNone}.ConvertedTo(UnitInch);
    EXPECT_EQ(bare.value, 5.0);
    EXPECT_EQ(bare.unit, UnitInch);
    EXPECT_EQ((Dimension{5.0, UnitMillimetre}).ConvertedTo(UnitMillimetre).value, 5.0);
}

// A bare number is relabelled, not converted back: round trips through it are not expected.
TEST(DimensionConversion, RoundTripsThroughEveryUnit)
{
    for (const UnitCase& from : kUnits) {
        for (const UnitCase& to : kUnits) {
            if (from.unit == UnitNone || to.unit == UnitNone)
                continue;
            const Dimension there = Dimension{3.75, from.unit}.ConvertedTo(to.unit);
            EXPECT_NEAR(there.ConvertedTo(from.unit).value, 3.75, 1e-12) << from.unit << " -> " << to.unit;
        }
    }
}

}  // namespace
