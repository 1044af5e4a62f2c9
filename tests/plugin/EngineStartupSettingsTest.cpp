#include "plugin/EngineStartupSettings.h"

#include "plugin/suites/HLKilnSuite.h"
#include "settings/PressSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The engine's setters, recorded in order; SetMoireChecks keeps its arguments as received.
std::vector<std::string> g_calls;
struct MoireArguments
{
    std::vector<int> flags;
    std::vector<float> values;
};
MoireArguments g_moire;

template <typename Value>
ASErr Record(const char* name, Value value)
{
    g_calls.push_back(std::string(name) + "(" + std::to_string(value) + ")");
    return kNoErr;
}

ASErr SetMoireChecks(AIBoolean angle30, AIBoolean sameAngles, AIBoolean rulings, AIBoolean dotshape,
                     AIBoolean excludeMinDensity, float minDensity, AIBoolean excludeMaxDensity, float maxDensity,
                     AIBoolean excludeMaxLuminance, float maxLuminance, float lastLimit)
{
    g_calls.push_back("SetMoireChecks");
    g_moire.flags = {angle30, sameAngles, rulings, dotshape, excludeMinDensity, excludeMaxDensity, excludeMaxLuminance};
    g_moire.values = {minDensity, maxDensity, maxLuminance, lastLimit};
    return kNoErr;
}

HLKilnSuite MakeKiln()
{
    HLKilnSuite kiln{};
    kiln.SetImageQuality = [](ASInt32 v) { return Record("SetImageQuality", v); };
    kiln.SetMergeSimilarInks = [](ASInt32 v) { return Record("SetMergeSimilarInks", v); };
    kiln.SetShowTechnicalInks = [](AIBoolean v) { return Record("SetShowTechnicalInks", int{v}); };
    kiln.SetTACLimit = [](double v) { return Record("SetTACLimit", v); };
    kiln.SetFirstDot = [](ASInt32 v) { return Record("SetFirstDot", v); };
    kiln.SetFirstDotDarkening = [](double v) { return Record("SetFirstDotDarkening", v); };
    kiln.SetDarkeningRange = [](double v) { return Record("SetDarkeningRange", v); };
    kiln.SetDeviationDistance = [](double v) { return Record("SetDeviationDistance", v); };
    kiln.SetMoireChecks = SetMoireChecks;
    kiln.SetShowRoundedDensities = [](AIBoolean v) { return Record("SetShowRoundedDensities", int{v}); };
    kiln.SetAntialiasingMode = [](ASInt32 v) { return Record("SetAntialiasingMode", v); };
    return kiln;
}

class EngineStartupSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_calls.clear();
        g_moire = {};
    }

    const HLKilnSuite m_kiln = MakeKiln();
    PressSettings m_press{"Press"};
};

// Without a preference store every preference is at its default.
TEST_F(EngineStartupSettingsTest, SettersRunInTheEnginesOrderWithTheRecordsValues)
{
    m_press.TACLimit = 300.5;
    m_press.FirstDot = 3;
    m_press.FirstDotDarkening = 12.25;
    m_press.DarkeningRange = 40.0;
    m_press.DeviationDistance = 0.2;
    PushStartupSettings(m_kiln, m_press);
    EXPECT_EQ(g_calls, (std::vector<std::string>{
                           "SetImageQuality(1)", "SetMergeSimilarInks(1)", "SetShowTechnicalInks(1)",
                           "SetTACLimit(300.500000)", "SetFirstDot(3)", "SetFirstDotDarkening(12.250000)",
                           "SetDarkeningRange(40.000000)", "SetDeviationDistance(0.200000)", "SetMoireChecks",
                           "SetShowRoundedDensities(0)", "SetAntialiasingMode(0)"}));
}

TEST_F(EngineStartupSettingsTest, MoireChecksTakeTheFlagsInTheEnginesOrderAndSinglePrecisionLimits)
{
    m_press.CheckAngleDifference30 = true;
    m_press.CheckSameAngles = false;
    m_press.CheckDifferentRulings = true;
    m_press.CheckDifferentDotshape = false;
    m_press.ExcludeMinDensity = false;
    m_press.ExcludeMaxDensity = true;
    m_press.ExcludeMaxLuminance = false;
    m_press.ExcludeMinLuminance = true;
    m_press.MinDensityValue = 0.1;
    m_press.MaxDensityValue = 97.3;
    m_press.MaxLuminanceValue = 70;
    PushStartupSettings(m_kiln, m_press);
    EXPECT_EQ(g_moire.flags, (std::vector<int>{1, 0, 1, 0, 0, 1, 0}));
    EXPECT_EQ(g_moire.values, (std::vector<float>{0.1f, 97.3f, 70.0f, 25.0f}));
}

}  // namespace
