#pragma once

#include <QPainterPath>
#include <QRectF>

#include <vector>

namespace hostapp {

// Which tiles of an area (device pixels) opaque fills already cover, for painting from the top
// down: an item whose every tile is covered by fills above it does not show.
class TileCover
{
public:
    explicit TileCover(const QRectF& area);

    // Whether every tile that `bounds` meets is covered (bounds outside the area: true).
    bool Hides(const QRectF& bounds) const;
    // Covers the tiles that an opaque fill of `outline` (device pixels) fills wholly.
    void Add(const QPainterPath& outline);

private:
    QRectF TileAt(int column, int row) const;
    // The tiles [first, last] that `rect` meets, as columns or rows; false when it misses the area.
    bool Range(const QRectF& rect, int& firstColumn, int& lastColumn, int& firstRow, int& lastRow) const;

    QRectF m_area;
    int m_columns;
    int m_rows;
    double m_width;   // of a tile
    double m_height;
    std::vector<char> m_covered;  // row by row
};

}  // namespace hostapp
