#pragma once

#include "plugin/suites/SPTypes.h"
#include "toolkit/RVADM_CustomItem.h"
#include "viewer/JobViewGeometry.h"
#include "viewer/PreviewCache.h"

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
// Created disabled with the view (y 0..1, x 0..1) and no job document. Host UI thread.
class JobViewFrame : public qRVADM::RVADM_CustomItem
{
public:
    explicit JobViewFrame(qRVADM::RVADM_ItemParent* parent);

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
    // Halve or double both extents around the point (job millimetres), then Invalidate.
    bool ZoomInAt(const JobPoint& point);
    bool ZoomOutAt(const JobPoint& point);
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

private:
    // Invalidate when the view changed; returns `viewChanged`.
    bool InvalidateIf(bool viewChanged);
    void RefreshZoomCorrection();
    // Whether the host reports the job document as its current document.
    bool ShowsJobDocument() const;
    // The canvas's local rectangle in device pixels: origin (0, 0), each side truncated.
    QRect DeviceRect() const;

    JobViewGeometry m_geometry;
    AIDocumentHandle m_jobDocument = nullptr;
    PreviewCache m_cache;
};
