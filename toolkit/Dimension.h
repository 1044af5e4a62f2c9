#pragma once

#include <cstdint>

namespace qRVADM {

// Unit codes of numeric entry. Any other 32-bit code is accepted and behaves as a bare number.
enum ADMUnits : std::int32_t
{
    UnitNone = 0,
    UnitPoint = 1,
    UnitInch = 2,
    UnitMillimetre = 3,
    UnitCentimetre = 4,
    UnitPica = 5,  // shown as picas "p" points
    UnitPercent = 6,
    UnitDegree = 7,
    UnitQ = 8,  // quarter millimetre
    UnitPixel = 10,
    NotParsed = -99,  // not a unit: marks a text that did not parse
};

// A value with its unit.
struct Dimension
{
    double value = 0.0;
    ADMUnits unit = UnitPoint;

    // Relabelled with `target`, scaled by the points per unit of both unless the units are equal
    // or this dimension has no unit.
    Dimension ConvertedTo(ADMUnits target) const;
    double InPoints() const;
    bool IsParsed() const { return unit != NotParsed; }

    // Points per one `unit`; 1 for codes without a unit.
    static double PointsPerUnit(ADMUnits unit);
    // The UTF-8 suffix shown after a number ("" for none; "p" for pica, which goes between the
    // picas and the points).
    static const char* Suffix(ADMUnits unit);
    // The suffix in unit lists: as `Suffix` except pica, "pc".
    static const char* ListSuffix(ADMUnits unit);
    // Whether a space goes between the number and the suffix.
    static bool SpaceBeforeSuffix(ADMUnits unit);
};

}  // namespace qRVADM
