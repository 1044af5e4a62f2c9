#include "toolkit/Dimension.h"

#include <gtest/gtest.h>

using namespace qRVADM;

namespace {

constexpr ADMUnits kUnits[] = {UnitPoint, UnitInch, UnitMillimetre, UnitCentimetre, UnitPica,
                               UnitPercent, UnitDegree, UnitQ, UnitPixel, static_cast<ADMUnits>(42)};

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
    for (ADMUnits from : kUnits) {
        for (ADMUnits to : kUnits) {
            const Dimension there = Dimension{3.75, from}.ConvertedTo(to);
            EXPECT_NEAR(there.ConvertedTo(from).value, 3.75, 1e-12) << from << " -> " << to;
        }
    }
}

}  // namespace
