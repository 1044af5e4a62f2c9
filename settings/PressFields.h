#pragma once

#include "settings/PressSettings.h"

#include <cstddef>
#include <cstdint>

// The lines of a ".press" file in file order, read by the writer and the reader alike. Each
// line is the key, a colon, one blank, the value and a line break.
enum class PressValueKind { Integer, Flag, Real };

struct PressField
{
    const char* Key;
    PressValueKind Kind;
    int32_t PressSettings::*Integer;
    bool PressSettings::*Flag;
    double PressSettings::*Real;
};

namespace press_fields {

constexpr PressField Integer(const char* key, int32_t PressSettings::*field)
{
    return {key, PressValueKind::Integer, field, nullptr, nullptr};
}

constexpr PressField Flag(const char* key, bool PressSettings::*field)
{
    return {key, PressValueKind::Flag, nullptr, field, nullptr};
}

constexpr PressField Real(const char* key, double PressSettings::*field)
{
    return {key, PressValueKind::Real, nullptr, nullptr, field};
}

} // namespace press_fields

inline constexpr PressField kPressFields[] = {
    press_fields::Integer("Version", &PressSettings::Version),
    press_fields::Flag("IsFlexo", &PressSettings::IsFlexo),
    press_fields::Integer("FirstDot", &PressSettings::FirstDot),
    press_fields::Flag("HasDarkening", &PressSettings::HasDarkening),
    press_fields::Real("FirstDotDarkening", &PressSettings::FirstDotDarkening),
    press_fields::Real("DarkeningRange", &PressSettings::DarkeningRange),
    press_fields::Flag("HasTAC", &PressSettings::HasTAC),
    press_fields::Real("TACLimit", &PressSettings::TACLimit),
    press_fields::Flag("HasDeviation", &PressSettings::HasDeviation),
    press_fields::Real("DeviationDistance", &PressSettings::DeviationDistance),
    press_fields::Flag("CheckAngleDifference30", &PressSettings::CheckAngleDifference30),
    press_fields::Flag("CheckDifferentRulings", &PressSettings::CheckDifferentRulings),
    press_fields::Flag("CheckSameAngles", &PressSettings::CheckSameAngles),
    press_fields::Flag("CheckDifferentDotshape", &PressSettings::CheckDifferentDotshape),
    press_fields::Flag("ExcludeMinLuminance", &PressSettings::ExcludeMinLuminance),
    press_fields::Flag("ExcludeMaxLuminance", &PressSettings::ExcludeMaxLuminance),
    press_fields::Integer("MinLuminanceValue", &PressSettings::MinLuminanceValue),
    press_fields::Integer("MaxLuminanceValue", &PressSettings::MaxLuminanceValue),
    press_fields::Flag("ExcludeMinDensity", &PressSettings::ExcludeMinDensity),
    press_fields::Flag("ExcludeMaxDensity", &PressSettings::ExcludeMaxDensity),
    press_fields::Real("MinDensityValue", &PressSettings::MinDensityValue),
    press_fields::Real("MaxDensityValue", &PressSettings::MaxDensityValue),
    press_fields::Real("Minimum Dot Gain", &PressSettings::MinimumDotGain),
    press_fields::Real("25 Dot Gain", &PressSettings::DotGain25),
    press_fields::Real("50 Dot Gain", &PressSettings::DotGain50),
    press_fields::Real("75 Dot Gain", &PressSettings::DotGain75),
    press_fields::Real("Maximum Dot Gain", &PressSettings::MaximumDotGain),
};

// Lines 1 to 10 are the base part every file must have; the rest is the extension.
inline constexpr size_t kPressBaseLines = 10;
