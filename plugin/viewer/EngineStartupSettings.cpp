#include "plugin/viewer/EngineStartupSettings.h"

#include "plugin/suites/HLKilnSuite.h"
#include "settings/PressSettings.h"
#include "settings/ViewerPreferences.h"

namespace {

// The moiré check's last limit, which the viewer does not let the user change.
constexpr float kMoireLastLimit = 25.0f;

AIBoolean Flag(bool value)
{
    return value ? 1 : 0;
}

}  // namespace

void PushStartupSettings(const HLKilnSuite& kiln, const PressSettings& press)
{
    kiln.SetImageQuality(ViewerPreferences::KilnImageQuality());
    kiln.SetMergeSimilarInks(ViewerPreferences::MergeSimilarInks());
    kiln.SetShowTechnicalInks(Flag(ViewerPreferences::ShowTechnicalInks() != 0));
    kiln.SetTACLimit(press.TACLimit);
    kiln.SetFirstDot(press.FirstDot);
    kiln.SetFirstDotDarkening(press.FirstDotDarkening);
    kiln.SetDarkeningRange(press.DarkeningRange);
    kiln.SetDeviationDistance(press.DeviationDistance);
    kiln.SetMoireChecks(Flag(press.CheckAngleDifference30), Flag(press.CheckSameAngles),
                        Flag(press.CheckDifferentRulings), Flag(press.CheckDifferentDotshape),
                        Flag(press.ExcludeMinDensity), static_cast<float>(press.MinDensityValue),
                        Flag(press.ExcludeMaxDensity), static_cast<float>(press.MaxDensityValue),
                        Flag(press.ExcludeMaxLuminance), static_cast<float>(press.MaxLuminanceValue),
                        kMoireLastLimit);
    kiln.SetShowRoundedDensities(Flag(ViewerPreferences::ShowRoundedDensities() != 0));
    kiln.SetAntialiasingMode(ViewerPreferences::AntialiasingMode());
}
