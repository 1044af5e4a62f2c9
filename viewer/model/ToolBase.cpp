#include "viewer/model/ToolBase.h"

#include "toolkit/TrackerCodes.h"
#include "viewer/model/JobViewGeometry.h"

ToolBase::ToolBase(const JobViewGeometry& geometry) : m_geometry(geometry) {}

void ToolBase::Deactivate() {}

ToolPixel ToolBase::PixelOf(const qRVADM::TrackerRecord& tracker)
{
    return {tracker.h, tracker.v};
}

JobPoint ToolBase::JobAt(const ToolPixel& pixel) const
{
    return m_geometry.PixelToJob(PixelPoint{static_cast<double>(pixel.x), static_cast<double>(pixel.y)});
}

ToolIntent ToolBase::Cursor(std::int32_t id)
{
    ToolIntent intent;
    intent.cursor = id;
    return intent;
}

ToolIntent ToolBase::Band(ToolIntent::Band band, const ToolPixel& from, const ToolPixel& to)
{
    ToolIntent intent;
    intent.band = band;
    intent.from = from;
    intent.to = to;
    return intent;
}

ToolIntent ToolBase::EraseBand()
{
    ToolIntent intent;
    intent.band = ToolIntent::Band::Erase;
    return intent;
}

void ToolBase::Drag::Begin(const ToolPixel& point)
{
    start = point;
    dragging = true;
}

void ToolBase::Drag::Follow(const ToolPixel& point)
{
    if (!dragging)
        Begin(point);
}
