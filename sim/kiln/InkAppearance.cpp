#include "sim/kiln/InkAppearance.h"

#include <algorithm>
#include <cmath>

namespace kiln {
namespace {

// D50 reference white.
constexpr double kWhiteX = 0.9642;
constexpr double kWhiteZ = 0.8251;
constexpr double kEpsilon = 216.0 / 24389.0;
constexpr double kKappa = 24389.0 / 27.0;

// XYZ (D50) to linear sRGB (D65) with Bradford adaptation, rows for red, green and blue.
constexpr double kXyzD50ToLinearSrgb[3][3] = {
    {3.1338561, -1.6168667, -0.4906146},
    {-0.9787684, 1.9161415, 0.0334540},
    {0.0719453, -0.2289914, 1.4052427},
};

double Clamp01(double value)
{
    return std::isfinite(value) ? std::clamp(value, 0.0, 1.0) : 0.0;
}

double LabComponent(double f)
{
    const double cube = f * f * f;
    return cube > kEpsilon ? cube : (116.0 * f - 16.0) / kKappa;
}

double Encode(double linear)
{
    const double value = Clamp01(linear);
    return value <= 0.0031308 ? 12.92 * value : 1.055 * std::pow(value, 1.0 / 2.4) - 0.055;
}

}  // namespace

InkRgb FromRgb255(double red, double green, double blue)
{
    return {Clamp01(red / 255.0), Clamp01(green / 255.0), Clamp01(blue / 255.0)};
}

InkRgb FromLab(double lightness, double a, double b)
{
    const double fy = (lightness + 16.0) / 116.0;
    const double fx = fy + a / 500.0;
    const double fz = fy - b / 200.0;
    const double y = lightness > kKappa * kEpsilon ? fy * fy * fy : lightness / kKappa;
    const double xyz[3] = {LabComponent(fx) * kWhiteX, y, LabComponent(fz) * kWhiteZ};
    double rgb[3];
    for (int row = 0; row < 3; ++row) {
        const double* m = kXyzD50ToLinearSrgb[row];
        rgb[row] = Encode(m[0] * xyz[0] + m[1] * xyz[1] + m[2] * xyz[2]);
    }
    return {rgb[0], rgb[1], rgb[2]};
}

}  // namespace kiln
