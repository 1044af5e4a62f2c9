#pragma once

#include "plugin/suites/SPTypes.h"
#include "sim/kiln/HelperThread.h"
#include "sim/kiln/Job.h"
#include "sim/kiln/MarkIndex.h"
#include "sim/kiln/PreviewStrip.h"
#include "sim/kiln/RenderSettings.h"

#include <vector>

namespace kiln {

// Renders a rectangle of a job the way it will print: one coverage plane per ink, each mark
// knocking out the inks beneath it that it does not print (and, with traps shown, spreading its
// inks kTrapWidthMm past its outline), the dot gain curve applied per ink, and the inks
// multiplied onto white paper; outside the page lies the grey pasteboard.
//
// Made once per job: it indexes the job's marks, so that the work of a rendering is proportional
// to the pixels asked for and to the marks that reach them, whatever the zoom and the size of the
// job, and it keeps its planes between renderings, so that a rendering of a size rendered before
// allocates nothing. A large rendering is cut into strips that two threads render: the caller's
// and a helper (HelperThread) that waits between renderings and lives as long as the renderer;
// the strips read the job and write pixels of their own, and a strip's pixels equal those of the
// whole rendering.
class PreviewRenderer
{
public:
    // Both are referenced, not copied, and must outlive the renderer; the job's marks must not
    // change while it lives.
    PreviewRenderer(const Job& job, const RenderSettings& settings);
    PreviewRenderer(const PreviewRenderer&) = delete;
    PreviewRenderer& operator=(const PreviewRenderer&) = delete;

    // Renders the job rectangle `area` (x0, x1, y0, y1 mm; x0 < x1 and y0 < y1) stretched over
    // width × height pixels (both above 0) into `pixels`, 0xffRRGGBB, row by row from the top.
    // Throws std::bad_alloc when the planes do not fit into memory.
    void Render(const double area[4], int width, int height, ASUInt32* pixels);

private:
    const Job& m_job;
    const RenderSettings& m_settings;
    const MarkIndex m_index;
    const Outline m_sheet;  // the page
    std::vector<float> m_light;
    // One per thread rendering: the caller's and the helper's.
    PreviewStrip m_strips[2];
    HelperThread m_helper;  // last: its thread renders into the members above
};

}  // namespace kiln
