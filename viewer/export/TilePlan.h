#pragma once

#include "viewer/model/JobCoordinates.h"

#include <array>

// The device pixels of a proof and how they are cut into tiles. The image starts at the area's
// top-left corner and has as many pixels as the area holds at the resolution (at least one);
// its job rectangle ends where its last pixel does, so that the resolution is exact. Tiles are
// laid row by row from the top-left; a band is one row of tiles, the unit in which rows are
// streamed to the file. Every tile's job rectangle is cut from the image's at the same pixel
// edges the engine would use for the whole, so that tile edges do not show. Widget-free.
class TilePlan
{
public:
    using Area = std::array<double, 4>;  // x0, x1, y0, y1 in job millimetres: the engine's order

    struct Tile
    {
        int left;
        int top;
        int width;
        int height;
        Area area;
    };

    // The longest side an image may have, in pixels: what PNG readers accept.
    static constexpr int kMaximumSide = 1000000;

    // Whether `area` has ranges that ascend and, at `ppi` (above 0), sides of at most
    // kMaximumSide pixels.
    static bool Fits(const JobRect& area, int ppi);

    // `area` and `ppi` fit; the tile sizes are above 0.
    TilePlan(const JobRect& area, int ppi, int tileWidth, int tileHeight);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The job rectangle of the whole image.
    Area WholeArea() const;
    int Columns() const;
    int Bands() const;
    int TileCount() const { return Columns() * Bands(); }
    // The height of the band's tiles (the last band may be lower).
    int BandHeight(int band) const;
    Tile At(int band, int column) const;

private:
    double EdgeX(int pixel) const;
    double EdgeY(int pixel) const;

    double m_x0;
    double m_y0;
    double m_mmPerPixel;
    int m_width;
    int m_height;
    int m_tileWidth;
    int m_tileHeight;
};
