#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The five points of a dot gain curve: what the minimum dot, 25 %, 50 %, 75 % and the maximum
// dot print as, in percent.
struct PressDotGain
{
    double Minimum = 0.0;
    double At25 = 0.0;
    double At50 = 0.0;
    double At75 = 0.0;
    double Maximum = 0.0;
};

// One named press setting. A plain record owned by whoever created it; the field names are
// the ones the settings dialogs and the engine hand-over use.
class PressSettings
{
public:
    static constexpr size_t kMaxNameBytes = 255;
    static constexpr int32_t kCurrentVersion = 3;

    // Every field at its default; raises PressError for a name over kMaxNameBytes bytes.
    explicit PressSettings(std::string_view name);

    void SetDotGain(double minimum, double at25, double at50, double at75, double maximum);
    PressDotGain GetDotGain() const;

    std::string Name;
    int32_t Version = kCurrentVersion;
    bool IsFlexo = false;
    int32_t FirstDot = 1;
    bool HasDarkening = false;
    double FirstDotDarkening = 10.0;
    double DarkeningRange = 50.0;
    bool HasTAC = false;
    double TACLimit = 270.0;
    bool HasDeviation = false;
    double DeviationDistance = 0.1;
    bool CheckAngleDifference30 = true;
    bool CheckDifferentRulings = true;
    bool CheckSameAngles = true;
    bool CheckDifferentDotshape = true;
    bool ExcludeMinLuminance = true;
    bool ExcludeMaxLuminance = true;
    int32_t MinLuminanceValue = 0;
    int32_t MaxLuminanceValue = 85;
    bool ExcludeMinDensity = true;
    bool ExcludeMaxDensity = true;
    double MinDensityValue = 5.0;
    double MaxDensityValue = 95.0;
    double MinimumDotGain = 0.0;
    double DotGain25 = 0.0;
    double DotGain50 = 0.0;
    double DotGain75 = 0.0;
    double MaximumDotGain = 0.0;
};
