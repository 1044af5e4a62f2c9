#pragma once

#include <QRectF>

#include <cstdint>
#include <vector>

namespace hostapp {

// Finds the items whose bounds meet a rectangle without looking at every item: a grid over all
// the bounds lists in each cell the items that reach into it. Made once per document revision.
class ShapeGrid
{
public:
    ShapeGrid() = default;
    // `bounds`: each item's, in the order the items have.
    explicit ShapeGrid(const std::vector<QRectF>& bounds);

    // Like QRectF::intersects, but a rectangle without width or height (a level hairline's) counts.
    static bool Meets(const QRectF& a, const QRectF& b);

    // The items whose bounds meet `area` (a rectangle without width or height counts), in order.
    std::vector<std::uint32_t> Meeting(const QRectF& area) const;

private:
    // The cells a rectangle reaches into: columns [left, right], rows [top, bottom].
    struct Span
    {
        int left, top, right, bottom;
        long long Cells() const { return static_cast<long long>(right - left + 1) * (bottom - top + 1); }
    };

    Span SpanOf(const QRectF& rect) const;

    std::vector<QRectF> m_bounds;
    QRectF m_extent;  // all the bounds
    int m_columns = 0;
    int m_rows = 0;
    std::vector<std::vector<std::uint32_t>> m_cells;  // row by row
};

}  // namespace hostapp
