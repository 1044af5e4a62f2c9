#include "sim/kiln/DotGainCurve.h"

#include <algorithm>
#include <cmath>

namespace kiln {
namespace {

constexpr std::array<double, 5> kAutomatic = {0.0, 0.36, 0.64, 0.86, 1.0};
constexpr double kStep = 0.25;  // distance between the curve's points
constexpr int kIntervals = 4;

bool IsFraction(double value)
{
    return std::isfinite(value) && value >= 0.0 && value <= 1.0;
}

}  // namespace

DotGainCurve::DotGainCurve()
{
    Build(kAutomatic);
}

bool DotGainCurve::Set(double minimum, double at25, double at50, double at75, double maximum)
{
    const std::array<double, 5> points = {minimum, at25, at50, at75, maximum};
    if (!std::all_of(points.begin(), points.end(), IsFraction))
        return false;
    const bool automatic = std::all_of(points.begin(), points.end(), [](double value) { return value == 0.0; });
    Build(automatic ? kAutomatic : points);
    return true;
}

double DotGainCurve::Apply(double tint) const
{
    if (!(tint > 0.0))
        return 0.0;
    if (tint >= 1.0)
        return 1.0;
    const int k = std::min(static_cast<int>(tint / kStep), kIntervals - 1);
    const double t = (tint - k * kStep) / kStep;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double value = (2 * t3 - 3 * t2 + 1) * m_points[k] + (t3 - 2 * t2 + t) * kStep * m_slopes[k] +
                         (-2 * t3 + 3 * t2) * m_points[k + 1] + (t3 - t2) * kStep * m_slopes[k + 1];
    return std::clamp(value, 0.0, 1.0);
}

void DotGainCurve::Build(const std::array<double, 5>& points)
{
    m_points = points;
    std::array<double, kIntervals> secants{};
    for (int k = 0; k < kIntervals; ++k)
        secants[k] = (points[k + 1] - points[k]) / kStep;
    m_slopes.front() = secants.front();
    m_slopes.back() = secants.back();
    for (int k = 1; k < kIntervals; ++k)
        m_slopes[k] = secants[k - 1] * secants[k] <= 0.0 ? 0.0 : (secants[k - 1] + secants[k]) / 2.0;
    // Fritsch-Carlson: limit the slopes so that no interval overshoots its ends.
    for (int k = 0; k < kIntervals; ++k) {
        if (secants[k] == 0.0) {
            m_slopes[k] = m_slopes[k + 1] = 0.0;
            continue;
        }
        const double alpha = m_slopes[k] / secants[k];
        const double beta = m_slopes[k + 1] / secants[k];
        const double length = std::hypot(alpha, beta);
        if (length > 3.0) {
            m_slopes[k] = 3.0 / length * alpha * secants[k];
            m_slopes[k + 1] = 3.0 / length * beta * secants[k];
        }
    }
    for (std::size_t v = 0; v < m_table.size(); ++v)
        m_table[v] = static_cast<std::uint8_t>(std::lround(Apply(static_cast<double>(v) / 255.0) * 255.0));
}

}  // namespace kiln
