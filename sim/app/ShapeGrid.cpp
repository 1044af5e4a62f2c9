#include "sim/app/ShapeGrid.h"

#include <algorithm>
#include <cmath>

namespace hostapp {
namespace {

// About this many items to a cell, were they spread evenly and each in one cell.
constexpr double kItemsPerCell = 4.0;
constexpr int kMostCellsAcross = 256;

}  // namespace

bool ShapeGrid::Meets(const QRectF& a, const QRectF& b)
{
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() && b.top() <= a.bottom();
}

ShapeGrid::ShapeGrid(const std::vector<QRectF>& bounds)
    : m_bounds(bounds)
{
    for (const QRectF& rect : bounds)
        m_extent = m_extent.isNull() ? rect : m_extent.united(rect);
    const int across = std::clamp(static_cast<int>(std::sqrt(bounds.size() / kItemsPerCell)), 1, kMostCellsAcross);
    m_columns = across;
    m_rows = across;
    m_cells.resize(static_cast<std::size_t>(m_columns) * m_rows);
    for (std::uint32_t i = 0; i < bounds.size(); ++i) {
        const Span span = SpanOf(bounds[i]);
        for (int row = span.top; row <= span.bottom; ++row) {
            for (int column = span.left; column <= span.right; ++column)
                m_cells[static_cast<std::size_t>(row) * m_columns + column].push_back(i);
        }
    }
}

ShapeGrid::Span ShapeGrid::SpanOf(const QRectF& rect) const
{
    const auto cell = [](double at, double start, double length, int count) {
        const double where = length > 0.0 ? (at - start) / length * count : 0.0;
        return static_cast<int>(std::clamp(std::floor(where), 0.0, count - 1.0));
    };
    return Span{cell(rect.left(), m_extent.left(), m_extent.width(), m_columns),
                cell(rect.top(), m_extent.top(), m_extent.height(), m_rows),
                cell(rect.right(), m_extent.left(), m_extent.width(), m_columns),
                cell(rect.bottom(), m_extent.top(), m_extent.height(), m_rows)};
}

std::vector<std::uint32_t> ShapeGrid::Meeting(const QRectF& area) const
{
    std::vector<std::uint32_t> met;
    if (m_bounds.empty() || !Meets(area, m_extent))
        return met;
    const Span span = SpanOf(area);
    // Over a large part of the grid the cells hold most items, several times over.
    if (span.Cells() * 4 > static_cast<long long>(m_cells.size())) {
        for (std::uint32_t i = 0; i < m_bounds.size(); ++i) {
            if (Meets(m_bounds[i], area))
                met.push_back(i);
        }
        return met;
    }
    for (int row = span.top; row <= span.bottom; ++row) {
        for (int column = span.left; column <= span.right; ++column) {
            for (const std::uint32_t i : m_cells[static_cast<std::size_t>(row) * m_columns + column]) {
                if (Meets(m_bounds[i], area))
                    met.push_back(i);
            }
        }
    }
    std::sort(met.begin(), met.end());
    met.erase(std::unique(met.begin(), met.end()), met.end());
    return met;
}

}  // namespace hostapp
