#pragma once

#include <cstdint>

// Where the pixels of a proof come from: a job rectangle (x0, x1, y0, y1 in millimetres)
// stretched over width × height device pixels, 0xffRRGGBB, row by row from the top. The engine
// stands behind it in the product; tests put their own in its place.
class TileSource
{
public:
    virtual ~TileSource() = default;
    // False when no pixels came; `pixels` is then undefined.
    virtual bool Render(const double area[4], int width, int height, std::uint32_t* pixels) = 0;
};
