#pragma once

#include "plugin/suites/SPTypes.h"
#include "sim/kiln/Job.h"
#include "sim/kiln/RenderSettings.h"

namespace kiln {

// Renders a rectangle of a job the way it will print: one coverage plane per ink, each mark
// knocking out the inks beneath it that it does not print (and, with traps shown, spreading its
// inks kTrapWidthMm past its outline), the dot gain curve applied per ink, and the inks
// multiplied onto white paper; outside the page lies the grey pasteboard. The work is
// proportional to the pixels asked for and to the marks that reach them, whatever the zoom.
class PreviewRenderer
{
public:
    // Both are referenced, not copied, and must outlive the renderer.
    PreviewRenderer(const Job& job, const RenderSettings& settings);

    // Renders the job rectangle `area` (x0, x1, y0, y1 mm; x0 < x1 and y0 < y1) stretched over
    // width × height pixels (both above 0) into `pixels`, 0xffRRGGBB, row by row from the top.
    // Throws std::bad_alloc when the planes do not fit into memory.
    void Render(const double area[4], int width, int height, ASUInt32* pixels) const;

private:
    const Job& m_job;
    const RenderSettings& m_settings;
};

}  // namespace kiln
