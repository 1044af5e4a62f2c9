#pragma once

#include "sim/kiln/Outline.h"
#include "sim/kiln/Plane.h"

#include <QRect>
#include <QRectF>
#include <QTransform>

#include <cstdint>
#include <vector>

namespace kiln {

// Turns outlines into 8-bit coverage of plane pixels under the non-zero winding rule. With
// antialiasing a pixel takes the share of its area the outline covers, edges placed to 1/256 of
// a pixel; without, full coverage where its centre lies inside. The sums are kept in integers,
// so a pixel comes out the same whichever rectangle of the plane is painted around it: a tile of
// a larger rendering matches it exactly. Keeps its sums between outlines, so that painting
// allocates only when a larger rectangle than ever before is painted.
class CoverageRasterizer
{
public:
    // The columns [left, right) of a row of the mask that a painting wrote. What no span of a
    // painting holds is not covered, and was left as it was.
    struct Span
    {
        int row;
        int left;
        int right;
    };

    // The pixels of a `width` × `height` plane that painting an outline lying within `reach`,
    // mapped by `toPlane`, may write: its box with a pixel to spare, for antialiasing and for
    // rounding, within the plane.
    static QRect PaintBox(const QTransform& toPlane, const QRectF& reach, int width, int height);

    // Paints the coverage of `outline`, mapped by `toPlane` (which scales and moves only), into
    // the pixels of `box` (inside the mask) and returns the spans written, row by row and left to
    // right, valid until the next painting. A large outline's rows are mostly outside or inside
    // its edges: wide stretches of a row that it does not cover are left out.
    const std::vector<Span>& Paint(const Outline& outline, const QTransform& toPlane, bool antialiasing,
                                   const Plane& mask, const QRect& box);

private:
    struct Subpixel
    {
        std::int64_t x;
        std::int64_t y;
    };

    void AddOutline(const Outline& outline, const QTransform& toPlane);
    void AddCubic(const QPointF& from, const QPointF& first, const QPointF& second, const QPointF& to);
    void AddLine(QPointF from, QPointF to);
    void CutAtGuard(QPointF& from, QPointF& to);
    class FloorRatio;

    void AddEdge(const Subpixel& from, const Subpixel& to);
    void AddColumn(std::int64_t x, bool down, std::int64_t low, std::int64_t high);
    void AddCentres(const Subpixel& from, const Subpixel& to);
    void AddRowPiece(const Subpixel& from, FloorRatio& columnCrossing, std::int64_t row, std::int64_t startX,
                     std::int64_t startY, std::int64_t endX, std::int64_t endY);
    // What a piece of an edge in one cell adds to its row's sums: `here` to the column's,
    // `right` to the next one's.
    struct CellShare
    {
        int column;
        std::int32_t here;
        std::int32_t right;
    };
    CellShare ShareOf(std::int64_t cell, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) const;
    void AddCell(std::int64_t row, std::int64_t cell, std::int64_t x1, std::int64_t y1, std::int64_t x2,
                 std::int64_t y2);
    void AddShare(std::int64_t row, const CellShare& share);
    void Touch(std::int64_t row, int column);
    void Sweep(const Plane& mask);
    void SweepRow(int row, std::uint8_t* out);

    QRect m_box;
    QRectF m_area;   // the box in plane pixels
    QRectF m_guard;  // lines are cut at this rectangle, far around the box, to keep the sums in range
    bool m_antialiasing = true;
    int m_stride = 0;
    // Per row of the box, box width + 1 sums; zero between paintings.
    std::vector<std::int32_t> m_sums;
    // Per row of the box, m_groupWords words of bits, one per group of eight columns whose sums
    // were touched; zero between paintings.
    std::vector<std::uint64_t> m_touched;
    int m_groupWords = 0;
    std::vector<Span> m_spans;
};

}  // namespace kiln
