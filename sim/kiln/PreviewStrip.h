#pragma once

#include "plugin/suites/SPTypes.h"
#include "sim/kiln/CoverGrid.h"
#include "sim/kiln/CoverageRasterizer.h"
#include "sim/kiln/Job.h"
#include "sim/kiln/MarkIndex.h"
#include "sim/kiln/RenderSettings.h"

#include <cstdint>
#include <vector>

namespace kiln {

// Renders one rectangle of a job, a whole rendering or a strip of one, with memory of its own:
// strips of one rendering may render at once. The planes are kept between renderings, so that a
// rendering of a size rendered before allocates nothing.
class PreviewStrip
{
public:
    // What every strip of a rendering reads and none changes.
    struct Shared
    {
        const Job& job;
        const RenderSettings& settings;
        const MarkIndex& index;
        const Outline& sheet;            // the page
        const std::vector<float>& light;  // per ink and coverage, the light each channel keeps
    };

    // Renders the job rectangle `area` (x0, x1, y0, y1 mm) stretched over width × height pixels
    // into `pixels`, as PreviewRenderer::Render does.
    void Render(const Shared& shared, const double area[4], int width, int height, ASUInt32* pixels);

private:
    // In m_found, a mark that those above it hide.
    static constexpr int kHidden = -1;

    void DropHidden(const Job& job, const QTransform& toPlane, int width, int height, std::vector<int>::iterator from);

    // The planes (one per ink, then the shape mask and the page), the marks found, one mark's ink
    // levels and the device rows of the planes.
    std::vector<std::uint8_t> m_planeBytes;
    std::vector<int> m_found;
    std::vector<std::uint8_t> m_levels;
    std::vector<std::uint8_t> m_rowBytes;
    std::vector<const std::uint8_t*> m_rows;
    CoverageRasterizer m_rasterizer;
    CoverGrid m_grid;
};

}  // namespace kiln
