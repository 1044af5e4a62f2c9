#pragma once

#include "viewer/model/ToolIntent.h"

#include <cstdint>

class JobViewGeometry;

namespace qRVADM {
struct TrackerRecord;
}  // namespace qRVADM

// One of the canvas's three tools: what it makes of the tracker records the canvas's input
// routing hands it, as intents for the canvas to carry out (ToolIntent): rubber band, view
// change, cursor. Tools read the canvas's JobViewGeometry and change nothing themselves; they
// keep only their drag. Created and owned by the canvas, which outlives them. No widget.
class ToolBase
{
public:
    static constexpr std::int32_t kZoomInCursor = 16204;
    static constexpr std::int32_t kZoomOutCursor = 16205;
    static constexpr std::int32_t kPanCursor = 16207;
    // Qt's arrow, no picture.
    static constexpr std::int32_t kArrowCursor = -4;

    // `geometry` is the canvas's, read at each record.
    explicit ToolBase(const JobViewGeometry& geometry);
    virtual ~ToolBase() = default;
    ToolBase(const ToolBase&) = delete;
    ToolBase& operator=(const ToolBase&) = delete;

    virtual ToolIntent MouseDown(const qRVADM::TrackerRecord& tracker) = 0;
    virtual ToolIntent MouseUp(const qRVADM::TrackerRecord& tracker) = 0;
    virtual ToolIntent MouseDrag(const qRVADM::TrackerRecord& tracker) = 0;
    virtual ToolIntent MouseMove(const qRVADM::TrackerRecord& tracker) = 0;
    // `tracker` is null when the tool is chosen without one.
    virtual ToolIntent Activate(const qRVADM::TrackerRecord* tracker) = 0;
    virtual void Deactivate();

protected:
    const JobViewGeometry& Geometry() const { return m_geometry; }
    static ToolPixel PixelOf(const qRVADM::TrackerRecord& tracker);
    // The job point (millimetres) under a canvas pixel.
    JobPoint JobAt(const ToolPixel& pixel) const;
    static ToolIntent Cursor(std::int32_t id);
    static ToolIntent Band(ToolIntent::Band band, const ToolPixel& from, const ToolPixel& to);
    static ToolIntent EraseBand();

    // A drag's start: taken at the press, or at the first drag step when the tool came in after
    // the press.
    struct Drag
    {
        ToolPixel start;
        bool dragging = false;

        void Begin(const ToolPixel& point);
        // Begins at `point` unless a drag is under way.
        void Follow(const ToolPixel& point);
    };

private:
    const JobViewGeometry& m_geometry;
};
