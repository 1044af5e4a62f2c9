#include "toolkit/Dimension.h"

namespace qRVADM {
namespace {

struct UnitInfo
{
    ADMUnits unit;
    const char* suffix;
    const char* listSuffix;
    bool space;
    double pointsPerUnit;
};

constexpr UnitInfo kUnits[] = {
    {UnitNone, "", "", false, 1.0},
    {UnitPoint, "pt", "pt", true, 1.0},
    {UnitInch, "in", "in", true, 72.0},
    {UnitMillimetre, "mm", "mm", true, 2.834645669291339},
    {UnitCentimetre, "cm", "cm", true, 28.346456692913385},
    {UnitPica, "p", "pc", false, 12.0},
    {UnitPercent, "%", "%", false, 1.0},
    {UnitDegree, "\u00B0", "\u00B0", false, 1.0},
    {UnitQ, "H", "H", true, 0.7086614173228347},
    {UnitPixel, "px", "px", true, 1.0},
};

// Codes outside the table: a bare number.
constexpr UnitInfo kBare = kUnits[0];

const UnitInfo& Info(ADMUnits unit)
{
    for (const UnitInfo& info : kUnits) {
        if (info.unit == unit)
            return info;
    }
    return kBare;
}

}  // namespace

Dimension Dimension::ConvertedTo(ADMUnits target) const
{
    if (unit == target || unit == UnitNone)
        return {value, target};
    return {value * PointsPerUnit(unit) / PointsPerUnit(target), target};
}

double Dimension::InPoints() const
{
    return value * PointsPerUnit(unit);
}

double Dimension::PointsPerUnit(ADMUnits unit)
{
    return Info(unit).pointsPerUnit;
}

const char* Dimension::Suffix(ADMUnits unit)
{
    return Info(unit).suffix;
}

const char* Dimension::ListSuffix(ADMUnits unit)
{
    return Info(unit).listSuffix;
}

bool Dimension::SpaceBeforeSuffix(ADMUnits unit)
{
    return Info(unit).space;
}

}  // namespace qRVADM
