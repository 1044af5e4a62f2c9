#pragma once

#include <QRectF>

#include <cstdint>
#include <vector>

namespace kiln {

// A uniform grid over the reach of a job's marks, so that a rendering of a small area visits only
// the marks that may touch it instead of every mark of the page. Built once per job.
class MarkIndex
{
public:
    // `reaches` in mm, one per mark in painting order; empty ones are never found.
    explicit MarkIndex(const std::vector<QRectF>& reaches);

    // Every mark whose reach meets `area` (mm), and perhaps some that only come near it, in
    // painting order, into `found` (cleared first).
    void Find(const QRectF& area, std::vector<int>& found) const;

private:
    // The cells an area covers, clamped to the grid; false when it misses the grid.
    bool Cells(const QRectF& area, int& left, int& top, int& right, int& bottom) const;

    QRectF m_bounds;
    int m_columns = 0;
    int m_rows = 0;
    double m_cellWidth = 1.0;
    double m_cellHeight = 1.0;
    std::vector<std::uint32_t> m_cellStart;  // per cell, its first entry in m_entries; one more at the end
    std::vector<int> m_entries;              // mark indices cell by cell, ascending in each cell
    std::vector<int> m_reaching;             // the marks with a reach, ascending
};

}  // namespace kiln
