#include "viewer/export/TilePlan.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMillimetresPerInch = 25.4;

bool SideFits(double extent, double mmPerPixel)
{
    return extent > 0.0 && extent / mmPerPixel < TilePlan::kMaximumSide + 0.5;
}

int PixelsIn(double extent, double mmPerPixel)
{
    return std::max(1, static_cast<int>(std::lround(extent / mmPerPixel)));
}

}  // namespace

bool TilePlan::Fits(const JobRect& area, int ppi)
{
    const double mmPerPixel = kMillimetresPerInch / ppi;
    return SideFits(area.x1 - area.x0, mmPerPixel) && SideFits(area.y1 - area.y0, mmPerPixel);
}

TilePlan::TilePlan(const JobRect& area, int ppi, int tileWidth, int tileHeight)
    : m_x0(area.x0),
      m_y0(area.y0),
      m_mmPerPixel(kMillimetresPerInch / ppi),
      m_width(PixelsIn(area.x1 - area.x0, m_mmPerPixel)),
      m_height(PixelsIn(area.y1 - area.y0, m_mmPerPixel)),
      m_tileWidth(tileWidth),
      m_tileHeight(tileHeight)
{
}

TilePlan::Area TilePlan::WholeArea() const
{
    return {EdgeX(0), EdgeX(m_width), EdgeY(0), EdgeY(m_height)};
}

int TilePlan::Columns() const
{
    return (m_width + m_tileWidth - 1) / m_tileWidth;
}

int TilePlan::Bands() const
{
    return (m_height + m_tileHeight - 1) / m_tileHeight;
}

int TilePlan::BandHeight(int band) const
{
    return std::min(m_tileHeight, m_height - band * m_tileHeight);
}

TilePlan::Tile TilePlan::At(int band, int column) const
{
    const int left = column * m_tileWidth;
    const int top = band * m_tileHeight;
    const int width = std::min(m_tileWidth, m_width - left);
    const int height = BandHeight(band);
    return {left, top, width, height, {EdgeX(left), EdgeX(left + width), EdgeY(top), EdgeY(top + height)}};
}

double TilePlan::EdgeX(int pixel) const
{
    return m_x0 + pixel * m_mmPerPixel;
}

double TilePlan::EdgeY(int pixel) const
{
    return m_y0 + pixel * m_mmPerPixel;
}
