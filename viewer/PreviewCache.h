#pragma once

#include "viewer/JobCoordinates.h"

#include <QPixmap>
#include <QRect>
#include <QSize>

#include <array>

struct HLKilnSuite;

// The canvas's one rendered image and the request it answers: the view rectangle in job
// millimetres (x0, x1, y0, y1, compared exactly) and the device size in pixels. Host UI thread.
class PreviewCache
{
public:
    // The engine's image of `view` over the device rectangle `device`: the held one when it
    // answers the same request, otherwise a new rendering by RenderPreview under the wait cursor,
    // held from then on. Null, with nothing held, when `device` is empty or the pixel buffer
    // cannot be allocated; the next call tries again.
    const QPixmap& Bring(const HLKilnSuite& kiln, const QRect& device, const JobRect& view);
    // Forgets the image, so that the next Bring renders.
    void Drop();

private:
    using Area = std::array<double, 4>;  // x0, x1, y0, y1: the engine's order

    bool Holds(const Area& area, const QSize& size) const;

    Area m_area{};
    QSize m_size{-1, -1};
    QPixmap m_image;
};
