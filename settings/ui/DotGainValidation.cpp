#include "settings/ui/DotGainValidation.h"

#include "support/Localization.h"

#include <algorithm>
#include <cstdio>

namespace {

enum class Bound
{
    Below,
    Above,
};

struct Test
{
    double PressDotGain::*value;
    Bound bound;
    DotGainValidation::LimitIndex limit;
    const char* message;
};

constexpr Test kTests[] = {
    {&PressDotGain::Minimum, Bound::Below, DotGainValidation::kMinimumLow, "Minimum Dot Gain value is below limit"},
    {&PressDotGain::Minimum, Bound::Above, DotGainValidation::kMinimumHigh, "Minimum Dot Gain value is above limit"},
    {&PressDotGain::At25, Bound::Below, DotGainValidation::kAt25Low, "25 % Dot Gain value is below limit"},
    {&PressDotGain::At25, Bound::Above, DotGainValidation::kAt25High, "25 % Dot Gain value is above limit"},
    {&PressDotGain::At50, Bound::Below, DotGainValidation::kAt50Low, "50 % Dot Gain value is below limit"},
    {&PressDotGain::At50, Bound::Above, DotGainValidation::kAt50High, "50 % Dot Gain value is above limit"},
    {&PressDotGain::At75, Bound::Below, DotGainValidation::kAt75Low, "75 % Dot Gain value is below limit"},
    {&PressDotGain::At75, Bound::Above, DotGainValidation::kAt75High, "75 % Dot Gain value is above limit"},
    {&PressDotGain::Maximum, Bound::Below, DotGainValidation::kMaximumLow, "Maximum Dot Gain value is below limit"},
    {&PressDotGain::Maximum, Bound::Above, DotGainValidation::kMaximumHigh, "Maximum Dot Gain value is above limit"},
};

constexpr double kGainAbove = 1.05;
constexpr double kGainBelow = 0.95;

bool Fails(double value, Bound bound, double limit)
{
    return bound == Bound::Below ? value < limit : value > limit;
}

std::string Part(const char* message, double limit)
{
    char part[512];
    std::snprintf(part, sizeof part, "%s (%.1f %%).", LocalizeKey(message), limit);
    return part;
}

} // namespace

// The fixed limits in table order; the computed ones start at 0.
DotGainValidation::DotGainValidation()
    : m_limits{0.0, 25.0, 75.0, 100.0, 20.0, 70.0}
{
}

void DotGainValidation::ComputeLimits(const PressDotGain& curve)
{
    m_limits[kAt25Low] = curve.Minimum * kGainAbove;
    m_limits[kAt25High] = curve.At50 * kGainBelow;
    m_limits[kAt50Low] = std::min(curve.Minimum * kGainAbove, m_limits[kAt50LowCap]);
    m_limits[kAt50High] = std::max(curve.Maximum * kGainBelow, m_limits[kAt50HighFloor]);
    m_limits[kAt75Low] = curve.At50 * kGainAbove;
    m_limits[kAt75High] = curve.Maximum * kGainAbove;
}

bool DotGainValidation::Check(const PressDotGain& curve)
{
    ComputeLimits(curve);
    m_message.clear();
    bool valid = true;
    for (const Test& test : kTests) {
        const double limit = m_limits[test.limit];
        if (!Fails(curve.*test.value, test.bound, limit))
            continue;
        if (&test != &kTests[0])
            m_message += '\n';
        m_message += Part(test.message, limit);
        valid = false;
    }
    return valid;
}
