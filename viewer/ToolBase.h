#pragma once

#include "viewer/JobViewGeometry.h"

#include <QPoint>

#include <cstdint>

class JobViewFrame;

namespace qRVADM {
class RVADM_Tracker;
}  // namespace qRVADM

// One of the canvas's three tools: what it does with the trackers the canvas's input routing
// hands it, its rubber band and its mouse cursor. Tools only change the canvas's visible
// rectangle; after each change they tell the canvas's view listener (ShowZoom when the zoom may
// have changed, then PushViewToHost). Created and owned by the canvas, which outlives them.
//
// The mouse cursor is one id for the whole process (-1 at start): a tool sets the canvas's cursor
// only when the wanted id differs from it. Picture cursors are loaded for the canvas's device
// pixel ratio, their hot spots scaled by it; a picture that cannot be loaded leaves the cursor
// (and the id) as it was. Host UI thread.
class ToolBase
{
public:
    static constexpr std::int32_t kZoomInCursor = 16204;
    static constexpr std::int32_t kZoomOutCursor = 16205;
    static constexpr std::int32_t kPanCursor = 16207;
    // Qt's arrow, no picture.
    static constexpr std::int32_t kArrowCursor = -4;

    explicit ToolBase(JobViewFrame& canvas);
    virtual ~ToolBase() = default;
    ToolBase(const ToolBase&) = delete;
    ToolBase& operator=(const ToolBase&) = delete;

    virtual void MouseDown(const qRVADM::RVADM_Tracker& tracker) = 0;
    virtual void MouseUp(const qRVADM::RVADM_Tracker& tracker) = 0;
    virtual void MouseDrag(const qRVADM::RVADM_Tracker& tracker) = 0;
    virtual void MouseMove(const qRVADM::RVADM_Tracker& tracker) = 0;
    // `tracker` is null when the tool is chosen without one.
    virtual void Activate(const qRVADM::RVADM_Tracker* tracker) = 0;
    virtual void Deactivate();

    // The cursor id last set on a canvas; -1 before any.
    static std::int32_t CurrentCursorId();

protected:
    JobViewFrame& Canvas() const { return m_canvas; }
    void SetCursorId(std::int32_t id);
    // Tells the canvas's listener of a view change: ShowZoom with the canvas's zoom when
    // `zoomChanged`, then PushViewToHost.
    void ReportViewChange(bool zoomChanged);
    static QPoint PointOf(const qRVADM::RVADM_Tracker& tracker);
    // A drag's start: taken at the press, or at the first drag step when the tool came in after
    // the press.
    struct Drag
    {
        QPoint start;
        bool dragging = false;

        void Begin(const QPoint& point);
        // Begins at `point` unless a drag is under way.
        void Follow(const QPoint& point);
    };
    enum class Band
    {
        Rectangle,
        Line,
    };
    // Replaces the rubber band on the screen at once: the rectangle or line from `from` to `to`.
    void ShowBand(Band band, const QPoint& from, const QPoint& to);
    void EraseBand();
    // The job point (millimetres) under a canvas pixel.
    JobPoint JobAt(const QPoint& pixel) const;

private:
    JobViewFrame& m_canvas;
};
