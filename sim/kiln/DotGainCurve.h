#pragma once

#include <array>
#include <cstdint>

namespace kiln {

// The dot gain curve the engine prints with: what a tint (0 to 1) of an ink prints as.
//
// The five values of SetDotGainCurve are what the minimum dot, 25 %, 50 %, 75 % and the maximum
// dot print as. Paper (0) and solid (1) always print as themselves; every tint in between follows
// a monotone cubic (Fritsch-Carlson) through (0, minimum), (0.25, at25), (0.5, at50),
// (0.75, at75) and (1, maximum), clamped to 0..1. A minimum dot above 0 thus lifts the lightest
// tints to it and a maximum dot below 1 holds the darkest tints under it. Five zeros select the
// engine's automatic curve, a coated offset press with 14 % gain at 50 %.
class DotGainCurve
{
public:
    DotGainCurve();

    // False, leaving the curve as it was, when a value is not a number within 0..1.
    bool Set(double minimum, double at25, double at50, double at75, double maximum);

    // What a tint prints as.
    double Apply(double tint) const;
    // The same for 8-bit coverage (0 paper, 255 solid), rounded.
    const std::array<std::uint8_t, 256>& Table() const { return m_table; }

private:
    void Build(const std::array<double, 5>& points);

    std::array<double, 5> m_points{};
    std::array<double, 5> m_slopes{};
    std::array<std::uint8_t, 256> m_table{};
};

}  // namespace kiln
