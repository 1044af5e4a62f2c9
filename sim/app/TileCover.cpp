#include "sim/app/TileCover.h"

#include <algorithm>
#include <cmath>

namespace hostapp {
namespace {

// About this many device pixels a side, and no more than so many tiles across: the tests of many
// small tiles against a fill cost more than the fills they save.
constexpr double kTileSide = 100.0;
constexpr double kMostTilesAcross = 32.0;

int TilesAcross(double length)
{
    return static_cast<int>(std::clamp(std::ceil(length / kTileSide), 1.0, kMostTilesAcross));
}

}  // namespace

TileCover::TileCover(const QRectF& area)
    : m_area(area)
    , m_columns(TilesAcross(area.width()))
    , m_rows(TilesAcross(area.height()))
    , m_width(area.width() / m_columns)
    , m_height(area.height() / m_rows)
    , m_covered(static_cast<std::size_t>(m_columns) * m_rows, 0)
{
}

QRectF TileCover::TileAt(int column, int row) const
{
    return QRectF(m_area.left() + column * m_width, m_area.top() + row * m_height, m_width, m_height);
}

bool TileCover::Range(const QRectF& rect, int& firstColumn, int& lastColumn, int& firstRow, int& lastRow) const
{
    const QRectF met = rect & m_area;
    if (met.isEmpty())
        return false;
    const auto index = [](double at, double start, double step, int count) {
        return std::clamp(static_cast<int>(std::floor((at - start) / step)), 0, count - 1);
    };
    firstColumn = index(met.left(), m_area.left(), m_width, m_columns);
    lastColumn = index(met.right(), m_area.left(), m_width, m_columns);
    firstRow = index(met.top(), m_area.top(), m_height, m_rows);
    lastRow = index(met.bottom(), m_area.top(), m_height, m_rows);
    return true;
}

bool TileCover::Hides(const QRectF& bounds) const
{
    int firstColumn, lastColumn, firstRow, lastRow;
    if (!Range(bounds, firstColumn, lastColumn, firstRow, lastRow))
        return true;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            if (!m_covered[static_cast<std::size_t>(row) * m_columns + column])
                return false;
        }
    }
    return true;
}

void TileCover::Add(const QPainterPath& outline)
{
    int firstColumn, lastColumn, firstRow, lastRow;
    if (!Range(outline.controlPointRect(), firstColumn, lastColumn, firstRow, lastRow))
        return;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            char& covered = m_covered[static_cast<std::size_t>(row) * m_columns + column];
            // A pixel beside the tile may hold the fill's antialiased edge: the tile's own are whole.
            covered = covered || outline.contains(TileAt(column, row).adjusted(-1.0, -1.0, 1.0, 1.0));
        }
    }
}

}  // namespace hostapp
