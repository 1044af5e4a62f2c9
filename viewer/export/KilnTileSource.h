#pragma once

#include "viewer/export/TileSource.h"

struct HLKilnSuite;

// Tiles from the engine's RenderPreview, exactly as the canvas asks for its pixels.
// Host UI thread.
class KilnTileSource : public TileSource
{
public:
    // The suite is referenced, not copied, and must outlive the source.
    explicit KilnTileSource(const HLKilnSuite& kiln);

    bool Render(const double area[4], int width, int height, std::uint32_t* pixels) override;

private:
    const HLKilnSuite& m_kiln;
};
