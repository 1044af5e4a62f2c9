#include "sim/app/PaintColour.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace hostapp {
namespace {

using Rgb = std::array<double, 3>;  // 0 to 1 per channel, sRGB-encoded

// XYZ (D50) to linear sRGB with the Bradford adaptation to D65 folded in.
constexpr double kXyzD50ToLinearSrgb[3][3] = {
    {3.1338561, -1.6168667, -0.4906146},
    {-0.9787684, 1.9161415, 0.0334540},
    {0.0719453, -0.2289914, 1.4052427},
};
constexpr double kD50White[3] = {0.9642, 1.0, 0.8249};

double LabInverse(double t)
{
    constexpr double kDelta = 6.0 / 29.0;
    return t > kDelta ? t * t * t : 3.0 * kDelta * kDelta * (t - 4.0 / 29.0);
}

double SrgbEncode(double linear)
{
    const double c = std::clamp(linear, 0.0, 1.0);
    return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
}

Rgb LabToSrgb(const std::array<double, 3>& lab)
{
    const double fy = (lab[0] + 16.0) / 116.0;
    const double f[3] = {fy + lab[1] / 500.0, fy, fy - lab[2] / 200.0};
    double xyz[3];
    for (int i = 0; i < 3; ++i)
        xyz[i] = kD50White[i] * LabInverse(f[i]);
    Rgb rgb{};
    for (int row = 0; row < 3; ++row) {
        const double* m = kXyzD50ToLinearSrgb[row];
        rgb[static_cast<std::size_t>(row)] = SrgbEncode(m[0] * xyz[0] + m[1] * xyz[1] + m[2] * xyz[2]);
    }
    return rgb;
}

Rgb SolidOf(const hostsim::Ink& ink)
{
    if (ink.space == hostsim::AppearanceSpace::Lab)
        return LabToSrgb(ink.appearance);
    Rgb rgb{};
    for (std::size_t i = 0; i < 3; ++i)
        rgb[i] = std::clamp(ink.appearance[i] / 255.0, 0.0, 1.0);
    return rgb;
}

QColor ToColour(const Rgb& rgb)
{
    return QColor::fromRgbF(rgb[0], rgb[1], rgb[2]);
}

}  // namespace

QColor InkColour(const hostsim::Ink& ink)
{
    return ToColour(SolidOf(ink));
}

QColor PaintColour(const hostsim::DocumentContent& content, const std::vector<HostSimInkTint>& paint)
{
    const bool additive = content.colorModel == hostsim::ColorModel::RGB;
    const auto held = [&content](const HostSimInkTint& tint) {
        return tint.ink >= 0 && static_cast<std::size_t>(tint.ink) < content.inks.size();
    };
    const auto isChannel = [&](const HostSimInkTint& tint) {
        return additive && content.inks[static_cast<std::size_t>(tint.ink)].process;
    };

    // Channels first, so that the result does not depend on the order the paint lists its inks.
    const bool hasChannels =
        std::any_of(paint.begin(), paint.end(), [&](const HostSimInkTint& t) { return held(t) && isChannel(t); });
    Rgb colour = hasChannels ? Rgb{0.0, 0.0, 0.0} : Rgb{1.0, 1.0, 1.0};
    for (const bool channels : {true, false}) {
        for (const HostSimInkTint& tint : paint) {
            if (!held(tint) || isChannel(tint) != channels)
                continue;
            const Rgb solid = SolidOf(content.inks[static_cast<std::size_t>(tint.ink)]);
            const double t = std::clamp(static_cast<double>(tint.tint), 0.0, 1.0);
            for (std::size_t i = 0; i < 3; ++i)
                colour[i] = channels ? std::min(1.0, colour[i] + t * solid[i]) : colour[i] * (1.0 - t * (1.0 - solid[i]));
        }
    }
    return ToColour(colour);
}

}  // namespace hostapp
