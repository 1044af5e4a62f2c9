#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <cstdint>
#include <vector>

namespace kiln {

// A filled shape as the renderer reads it: subpaths of lines and cubic curves, each closed by
// the fill, in job millimetres. Made once per job from a painter path and never changed, so that
// any number of renderings may read it at once; it holds the points and one byte per step, a
// fraction of what the painter path it came from holds.
class Outline
{
public:
    enum class Step : std::uint8_t { Move, Line, Cubic };

    Outline() = default;
    explicit Outline(const QPainterPath& path);

    bool IsEmpty() const { return m_steps.empty(); }
    const QRectF& Bounds() const { return m_bounds; }
    // Move and Line take one point each, Cubic three (two control points, then the end).
    const std::vector<Step>& Steps() const { return m_steps; }
    const std::vector<QPointF>& Points() const { return m_points; }

private:
    std::vector<Step> m_steps;
    std::vector<QPointF> m_points;
    QRectF m_bounds;
};

}  // namespace kiln
