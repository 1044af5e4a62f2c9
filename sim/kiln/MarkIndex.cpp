#include "sim/kiln/MarkIndex.h"

#include <algorithm>
#include <cmath>

namespace kiln {
namespace {

// About this many marks per cell on average; a grid side never passes kMaximumSide cells.
constexpr double kMarksPerCell = 2.0;
constexpr int kMaximumSide = 512;

int CellIndex(double offset, double cellSize, int count)
{
    return std::clamp(static_cast<int>(std::floor(offset / cellSize)), 0, count - 1);
}

}  // namespace

MarkIndex::MarkIndex(const std::vector<QRectF>& reaches)
{
    for (int mark = 0; mark < static_cast<int>(reaches.size()); ++mark)
        if (!reaches[static_cast<std::size_t>(mark)].isEmpty()) {
            m_bounds = m_bounds.united(reaches[static_cast<std::size_t>(mark)]);
            m_reaching.push_back(mark);
        }
    if (m_bounds.isEmpty())
        return;
    const double side = std::sqrt(m_reaching.size() / kMarksPerCell / (m_bounds.width() * m_bounds.height()));
    m_columns = std::clamp(static_cast<int>(std::ceil(m_bounds.width() * side)), 1, kMaximumSide);
    m_rows = std::clamp(static_cast<int>(std::ceil(m_bounds.height() * side)), 1, kMaximumSide);
    m_cellWidth = m_bounds.width() / m_columns;
    m_cellHeight = m_bounds.height() / m_rows;

    // Two passes: count the entries of each cell, then place them.
    std::vector<std::uint32_t> counts(static_cast<std::size_t>(m_columns) * m_rows + 1, 0);
    const auto visit = [&](auto&& enter) {
        for (const int mark : m_reaching) {
            int left, top, right, bottom;
            if (!Cells(reaches[static_cast<std::size_t>(mark)], left, top, right, bottom))
                continue;
            for (int row = top; row <= bottom; ++row)
                for (int column = left; column <= right; ++column)
                    enter(static_cast<std::size_t>(row) * m_columns + column, mark);
        }
    };
    visit([&](std::size_t cell, int) { ++counts[cell + 1]; });
    for (std::size_t cell = 1; cell < counts.size(); ++cell)
        counts[cell] += counts[cell - 1];
    m_cellStart = counts;
    m_entries.resize(counts.back());
    visit([&](std::size_t cell, int mark) { m_entries[counts[cell]++] = mark; });
}

void MarkIndex::Find(const QRectF& area, std::vector<int>& found) const
{
    found.clear();
    int left, top, right, bottom;
    if (m_columns == 0 || !Cells(area, left, top, right, bottom))
        return;
    std::size_t entries = 0;
    for (int row = top; row <= bottom; ++row)
        entries += m_cellStart[static_cast<std::size_t>(row) * m_columns + right + 1] -
                   m_cellStart[static_cast<std::size_t>(row) * m_columns + left];
    // An area over most of the grid: every mark, in order, is cheaper than merging the cells.
    if (entries >= m_reaching.size()) {
        found = m_reaching;
        return;
    }
    for (int row = top; row <= bottom; ++row)
        found.insert(found.end(), m_entries.begin() + m_cellStart[static_cast<std::size_t>(row) * m_columns + left],
                     m_entries.begin() + m_cellStart[static_cast<std::size_t>(row) * m_columns + right + 1]);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
}

bool MarkIndex::Cells(const QRectF& area, int& left, int& top, int& right, int& bottom) const
{
    if (area.right() < m_bounds.left() || area.left() > m_bounds.right() || area.bottom() < m_bounds.top() ||
        area.top() > m_bounds.bottom())
        return false;
    left = CellIndex(area.left() - m_bounds.left(), m_cellWidth, m_columns);
    right = CellIndex(area.right() - m_bounds.left(), m_cellWidth, m_columns);
    top = CellIndex(area.top() - m_bounds.top(), m_cellHeight, m_rows);
    bottom = CellIndex(area.bottom() - m_bounds.top(), m_cellHeight, m_rows);
    return true;
}

}  // namespace kiln
