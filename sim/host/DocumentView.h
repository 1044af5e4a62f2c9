#pragma once

#include "plugin/suites/AIGeometry.h"

namespace hostsim {

struct Page;

// The geometry of one document window: which artwork point is in the middle, the zoom (view
// pixels per artwork point, 1 = 100 %), the size of the window in view pixels and the scale
// factor between view pixels and device pixels. Sending notifications is the caller's job.
class DocumentView
{
public:
    // Zoom range of the host's views: 3.125 % to 64000 %.
    static constexpr double kMinimumZoom = 0.03125;
    static constexpr double kMaximumZoom = 640.0;
    static constexpr double kDefaultWidth = 800.0;
    static constexpr double kDefaultHeight = 600.0;

    // A view of the default size showing the whole page.
    explicit DocumentView(const Page& page);

    // The visible area in artwork points (y upwards: top > bottom).
    AIRealRect Bounds() const;
    AIRealPoint Center() const { return m_center; }
    double Zoom() const { return m_zoom; }
    double ScaleFactor() const { return m_scaleFactor; }
    double Width() const { return m_width; }
    double Height() const { return m_height; }

    // Each setter returns false and changes nothing for a value it cannot take (not finite,
    // not positive); zooms are clamped to the host's range.
    bool SetCenter(const AIRealPoint& center);
    bool SetZoom(double zoom);
    // Zooms keeping `anchor` at the same place in the window, as a zoom at the cursor does.
    bool ZoomAt(double zoom, const AIRealPoint& anchor);
    // Scrolls by view pixels: positive dx shows more to the right, positive dy more below.
    bool ScrollBy(double dx, double dy);
    bool Resize(double width, double height);
    bool SetScaleFactor(double factor);
    // Centres the page and picks the zoom at which it just fits the window.
    void FitPage(const Page& page);

private:
    AIRealPoint m_center{};
    double m_zoom = 1.0;
    double m_width = kDefaultWidth;
    double m_height = kDefaultHeight;
    double m_scaleFactor = 1.0;
};

}  // namespace hostsim
