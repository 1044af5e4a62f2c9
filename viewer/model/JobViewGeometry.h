#pragma once

#include "viewer/model/JobCoordinates.h"

#include <optional>

// A point on the canvas in logical pixels, x to the right, y downwards, (0, 0) at the top-left.
struct PixelPoint
{
    double x;
    double y;
};

// The preview canvas's maths, with no widget in it: the visible rectangle of the job in
// millimetres, fitted to the canvas's aspect ratio; the zoom factor (canvas pixels per point of
// the job, measured like the host view's zoom); conversion between canvas pixels and job
// millimetres.
//
// Inputs are set by the canvas widget: the logical canvas size, the device pixel ratio and the
// host's scale factor for its first document view (none when the host has no view). They only
// take effect at the next operation that computes the view or the zoom; a new canvas size is
// applied by KeepZoomOnResize.
//
// Every operation that sets the view rejects a rectangle with a non-finite coordinate, or with
// no extent in either direction, and then leaves the view and the zoom as they were. A canvas
// with no area (a side of 0 pixels) keeps a requested rectangle unfitted and reports a zoom of 0.
class JobViewGeometry
{
public:
    // The highest zoom factor the view takes; a fit or zoom past the threshold is clamped to it.
    static constexpr double kMaxZoom = 1500.0;
    static constexpr double kClampThreshold = 1500.01;
    // The zoom-in tool acts only below this factor.
    static constexpr double kZoomInLimit = 1499.9999;

    // View (y 0..1, x 0..1) on a canvas with no area, zoom 0, device pixel ratio 1, no host view.
    JobViewGeometry();

    // Logical pixels; negative sizes count as 0.
    void SetCanvasSize(int width, int height);
    // Values that are not finite and positive count as 1.
    void SetDevicePixelRatio(double ratio);
    // The host's scale factor for its first document view, or none when it has no view. Without
    // a view, or with a scale that is not finite and positive, the zoom is not corrected.
    void SetHostViewScale(std::optional<double> scale);

    // Stores the smallest rectangle of the canvas's aspect ratio that holds `rect` (each range may
    // come in either order), centred on it, then clamps the zoom to kMaxZoom. False when `rect` is
    // rejected.
    bool SetViewRect(const JobRect& rect);
    // Computes, stores and returns the zoom factor: canvas pixels per point of the job, times
    // (device pixel ratio / host view scale) when the host has a view; 0 on a canvas with no area.
    double GetZoom();
    // The zoom factor last computed or set.
    double ZoomFactor() const { return m_zoom; }
    // Scales the view about its centre to `factor` (clamped to kMaxZoom). False, with nothing
    // changed, for a factor that is not finite and positive, or on a canvas with no area.
    bool SetZoom(double factor);
    // Halves (in) or doubles (out) both extents, centred on `point` (the point moves to the centre).
    bool ZoomInAt(const JobPoint& point);
    bool ZoomOutAt(const JobPoint& point);
    // Moves the view by (dx, dy) millimetres; the zoom is unchanged.
    bool Pan(double dx, double dy);
    // Re-fits the view to a new canvas size about the same centre, keeping the zoom factor when
    // both the old and the refitted factor are non-zero.
    void KeepZoomOnResize();

    JobPoint PixelToJob(const PixelPoint& pixel) const;
    PixelPoint JobToPixel(const JobPoint& point) const;

    const JobRect& ViewRect() const { return m_view; }
    JobPoint ViewCentre() const;
    // Whether the zoom-in tool may act at the current zoom factor.
    bool BelowZoomInLimit() const { return m_zoom < kZoomInLimit; }

private:
    bool HasArea() const { return m_width > 0 && m_height > 0; }
    double ZoomCorrection() const;
    // The horizontal extent (mm) that shows the job at `zoom` on this canvas.
    double HorizontalExtentForZoom(double zoom) const;
    bool StoreView(const JobRect& rect);

    JobRect m_view{0.0, 1.0, 0.0, 1.0};
    double m_mmPerPixelX = 1.0;
    double m_mmPerPixelY = 1.0;
    double m_zoom = 0.0;
    int m_width = 0;
    int m_height = 0;
    double m_devicePixelRatio = 1.0;
    std::optional<double> m_hostViewScale;
};
