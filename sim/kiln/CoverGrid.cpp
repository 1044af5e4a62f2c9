#include "sim/kiln/CoverGrid.h"

#include "sim/kiln/CoverageRasterizer.h"

#include <algorithm>
#include <cmath>

namespace kiln {
namespace {

constexpr int kTile = 8;
// Pixels kept clear of a solid rectangle's edge, where a flattened curve may stray.
constexpr double kMargin = 2.0;

// The tiles [first, last] along one side that hold only pixels in [from, to) of the `size`
// pixels there; none when first > last.
void TilesWithin(double from, double to, int size, int& first, int& last)
{
    first = static_cast<int>(std::ceil(std::max(from, 0.0) / kTile));
    const int tiles = (size + kTile - 1) / kTile;
    last = to >= size ? tiles - 1 : static_cast<int>(std::floor(to / kTile)) - 1;
}

}  // namespace

void CoverGrid::Reset(int width, int height, const QTransform& toPlane)
{
    m_width = width;
    m_height = height;
    m_columns = (width + kTile - 1) / kTile;
    m_rows = (height + kTile - 1) / kTile;
    m_toPlane = toPlane;
    m_covered.assign(static_cast<std::size_t>(m_columns) * m_rows, 0);
}

bool CoverGrid::Hides(const QRectF& reach) const
{
    const QRect box = CoverageRasterizer::PaintBox(m_toPlane, reach, m_width, m_height);
    if (box.isEmpty())
        return true;  // the mark paints nothing here
    for (int row = box.top() / kTile; row <= box.bottom() / kTile; ++row)
        for (int column = box.left() / kTile; column <= box.right() / kTile; ++column)
            if (!m_covered[static_cast<std::size_t>(row) * m_columns + column])
                return false;
    return true;
}

void CoverGrid::Cover(const QRectF& solid)
{
    if (solid.isEmpty())
        return;
    const QRectF pixels = m_toPlane.mapRect(solid).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    int left, right, top, bottom;
    TilesWithin(pixels.left(), pixels.right(), m_width, left, right);
    TilesWithin(pixels.top(), pixels.bottom(), m_height, top, bottom);
    for (int row = top; row <= bottom; ++row)
        std::fill_n(m_covered.begin() + static_cast<std::ptrdiff_t>(row) * m_columns + left,
                    std::max(right - left + 1, 0), std::uint8_t{1});
}

}  // namespace kiln
