#pragma once

#include <QRect>
#include <QRectF>
#include <QTransform>

#include <cstdint>
#include <vector>

namespace kiln {

// The tiles of a rendering's planes that the marks met so far, top-down, cover whole. A mark all
// of whose reach lies in covered tiles is hidden: wherever its shape or its trap would touch the
// planes, a mark above it sets every ink again.
class CoverGrid
{
public:
    // Planes of `width` × `height` pixels, to which `toPlane` maps job millimetres; nothing covered.
    void Reset(int width, int height, const QTransform& toPlane);
    // Whether every tile that a mark reaching `reach` (mm) may paint is covered.
    bool Hides(const QRectF& reach) const;
    // The tiles that `solid` (mm), a rectangle a mark covers whole, holds whole are covered.
    void Cover(const QRectF& solid);

private:
    int m_width = 0;
    int m_height = 0;
    int m_columns = 0;
    int m_rows = 0;
    QTransform m_toPlane;
    std::vector<std::uint8_t> m_covered;  // per tile, row by row
};

}  // namespace kiln
