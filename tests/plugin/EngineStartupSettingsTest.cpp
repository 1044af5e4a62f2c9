#include "plugin/viewer/EngineStartupSettings.h"

#include "plugin/suites/HLKilnSuite.h"
#include "settings/PressSettings.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The moiré check's arguments as received. The integration tests see the whole push with the
// default record, whose flags are all set; here each flag differs from its neighbours.
std::vector<float> g_moire;

ASErr RecordMoireChecks(AIBoolean angle30, AIBoolean sameAngles, AIBoolean rulings, AIBoolean dotshape,
                        AIBoolean excludeMinDensity, float minDensity, AIBoolean excludeMaxDensity, float maxDensity,
                        AIBoolean excludeMaxLuminance, float maxLuminance, float lastLimit)
{
    g_moire = {float(angle30), float(sameAngles), float(rulings), float(dotshape), float(excludeMinDensity),
               minDensity, float(excludeMaxDensity), maxDensity, float(excludeMaxLuminance), maxLuminance, lastLimit};
    return kNoErr;
}

template <typename... Arguments>
ASErr Ignore(Arguments...)
{
    return kNoErr;
}

TEST(EngineStartupSettings, MoireChecksTakeTheFlagsInTheEnginesOrderAndSinglePrecisionLimits)
{
    HLKilnSuite kiln{};
    kiln.SetImageQuality = kiln.SetMergeSimilarInks = kiln.SetFirstDot = kiln.SetAntialiasingMode = Ignore<ASInt32>;
    kiln.SetShowTechnicalInks = kiln.SetShowRoundedDensities = Ignore<AIBoolean>;
    kiln.SetTACLimit = kiln.SetFirstDotDarkening = kiln.SetDarkeningRange = kiln.SetDeviationDistance = Ignore<double>;
    kiln.SetMoireChecks = RecordMoireChecks;
    PressSettings press("Press");
    press.CheckAngleDifference30 = press.CheckDifferentRulings = press.ExcludeMaxDensity = true;
    press.CheckSameAngles = press.CheckDifferentDotshape = press.ExcludeMinDensity = press.ExcludeMaxLuminance = false;
    press.ExcludeMinLuminance = true;
    press.MinDensityValue = 0.1;
    press.MaxDensityValue = 97.3;
    press.MaxLuminanceValue = 70;
    PushStartupSettings(kiln, press);
    EXPECT_EQ(g_moire, (std::vector<float>{1, 0, 1, 0, 0, 0.1f, 1, 97.3f, 0, 70, 25}));
}

}  // namespace
