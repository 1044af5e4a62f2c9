#pragma once

#include "settings/PressSettings.h"

#include <array>
#include <string>

// The dot gain editor's check of a curve: ten tests, each failing only strictly beyond its
// limit. Six limits are fixed; the other six are worked out from the curve by every check and
// stay in the table for the message.
class DotGainValidation
{
public:
    // Positions in the limit table: the six fixed limits first, then the computed ones.
    enum LimitIndex : int
    {
        kMinimumLow,
        kMinimumHigh,
        kMaximumLow,
        kMaximumHigh,
        kAt50LowCap,
        kAt50HighFloor,
        kAt25Low,
        kAt25High,
        kAt50Low,
        kAt50High,
        kAt75Low,
        kAt75High,
        kLimitCount,
    };

    DotGainValidation();

    // Stores the limits computed from `curve`, runs the tests and builds the message; true when
    // every test passed.
    bool Check(const PressDotGain& curve);
    // One "%s (%.1f %%)." part per failed test of the last check, in test order, from the
    // translated test text and its limit; every part but the first test's starts on a new line.
    // Empty when the last check passed.
    const std::string& Message() const { return m_message; }
    double Limit(LimitIndex index) const { return m_limits[index]; }

private:
    void ComputeLimits(const PressDotGain& curve);

    std::array<double, kLimitCount> m_limits;
    std::string m_message;
};
