#include "viewer/export/KilnTileSource.h"

#include "plugin/suites/HLKilnSuite.h"

KilnTileSource::KilnTileSource(const HLKilnSuite& kiln)
    : m_kiln(kiln)
{
}

bool KilnTileSource::Render(const double area[4], int width, int height, std::uint32_t* pixels)
{
    return m_kiln.RenderPreview(0, height, 0, width, area, pixels) == kNoErr;
}
