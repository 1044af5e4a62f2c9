#pragma once

#include "plugin/suites/SPTypes.h"
#include "toolkit/RVADM_CustomItem.h"
#include "viewer/canvas/CanvasCursor.h"
#include "viewer/canvas/PreviewCache.h"
#include "viewer/canvas/TrackingOverlay.h"
#include "viewer/model/JobViewGeometry.h"
#include "viewer/model/ToolIntent.h"
#include "viewer/model/ToolRouting.h"

#include <array>
#include <cstdint>
#include <memory>

class CanvasViewListener;
class ToolBase;

// The preview canvas: an owner-drawn item that shows the engine's rendering of the job of one
// host document. The visible rectangle, the zoom and the pixel <-> millimetre maps are its
// JobViewGeometry; before each operation that computes the zoom the canvas gives it the widget's
// device pixel ratio and the host's scale factor for its first document view. The canvas's
// logical size reaches the geometry only through KeepZoomOnResize, which the owner's layout calls
// after sizing the canvas.
//
// Painting shows the item's default background unless the host's current document is the job
// document; otherwise the engine's pixels of the visible rectangle at the canvas's device size,
// rendered once and kept until the rectangle or the size changes or Invalidate is called.
//
// Input: every tracker goes through the canvas's ToolRouting, which picks the current tool (zoom
// in, the base tool; zoom out; pan) by the space bar, Control, Alt and the right button, and
// hands the tracker's record to it. The modifier keys the host reports while it has the keyboard
// focus (SetHostModifiers) count as held in the canvas. The tool answers with a ToolIntent, which
// the canvas carries out: the rubber band through its TrackingOverlay, the view change on its
// geometry (then a repaint, and the view listener told once), the cursor (CanvasCursor).
//
// Created disabled with the view (y 0..1, x 0..1), no job document, no view listener and the
// zoom-in tool current. Host UI thread.
class JobViewFrame : public qRVADM::RVADM_CustomItem
{
public:
    // The widget property holding the id of the tool cursor last set on the canvas (-1: none),
    // which also tells the host's scripts which widget the canvas is.
    static constexpr const char* kCursorIdProperty = CanvasCursor::kIdProperty;

    explicit JobViewFrame(qRVADM::RVADM_ItemParent* parent);
    ~JobViewFrame() override;

    // The host document whose job the canvas shows; a document enables the canvas, null
    // disables it. Either way the held image is dropped.
    void SetJobDocument(AIDocumentHandle document);
    AIDocumentHandle JobDocument() const { return m_jobDocument; }

    // The operations below return false for input the geometry refuses, which changes nothing.
    // Fits `rect` to the canvas's aspect ratio; no repaint.
    bool SetViewRect(const JobRect& rect);
    // SetViewRect, then Invalidate.
    bool ShowRect(const JobRect& rect);
    double GetZoom();
    bool SetZoom(double factor);
    // Moves the view by millimetres, then Invalidate.
    bool Pan(double dx, double dy);
    JobPoint PixelToJob(const PixelPoint& pixel) const { return m_geometry.PixelToJob(pixel); }
    // Takes the canvas's current logical size, refits the view about its centre and keeps the
    // zoom factor.
    void KeepZoomOnResize();
    const JobViewGeometry& Geometry() const { return m_geometry; }

    // Drops the held image and schedules a repaint.
    void Invalidate() override;
    void Draw(qRVADM::IADMDrawer& drawer) override;
    // Routes the tracker to the tools; always handled.
    bool Track(qRVADM::RVADM_Tracker tracker) override;

    // Makes `tool` current: the other tools are deactivated, then `tool` is activated with the
    // tracker (null: none).
    void SelectTool(CanvasTool tool, const qRVADM::RVADM_Tracker* tracker);
    CanvasTool CurrentTool() const { return m_currentTool; }
    // The host's modifier bits (Control 64, Alt 128, space 512) while the host has the keyboard
    // focus: stored, then routed as a move (a drag while the left button is down) at the mouse.
    void SetHostModifiers(std::uint32_t bits);

    // Told of every view change a tool makes; null (the start) tells nobody. Not owned.
    void SetViewListener(CanvasViewListener* listener) { m_viewListener = listener; }

private:
    // Invalidate when the view changed; returns `viewChanged`.
    bool InvalidateIf(bool viewChanged);
    void RefreshZoomCorrection();
    // Whether the host reports the job document as its current document.
    bool ShowsJobDocument() const;
    // The canvas's local rectangle in device pixels: origin (0, 0), each side truncated.
    QRect DeviceRect() const;
    ToolBase& Tool(CanvasTool tool) const;
    ToolIntent RunOperation(ToolOperation operation, const qRVADM::TrackerRecord& tracker);
    // Carries out a tool's intent: rubber band, view change and its report, cursor.
    void Apply(const ToolIntent& intent);
    void DrawBand(const ToolIntent& intent);
    bool ChangeView(const ToolIntent& intent);

    JobViewGeometry m_geometry;
    AIDocumentHandle m_jobDocument = nullptr;
    PreviewCache m_cache;
    std::array<std::unique_ptr<ToolBase>, 3> m_tools;  // in CanvasTool order
    CanvasTool m_currentTool = CanvasTool::ZoomIn;
    ToolRouting m_routing;
    std::uint32_t m_hostModifiers = 0;
    TrackingOverlay m_overlay{*this};
    CanvasViewListener* m_viewListener = nullptr;
};
