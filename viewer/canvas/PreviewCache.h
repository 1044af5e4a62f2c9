#pragma once

#include "viewer/model/JobCoordinates.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <array>

struct HLKilnSuite;

// The canvas's one rendered image and the request it answers: the view rectangle in job
// millimetres (x0, x1, y0, y1, compared exactly) and the device size in pixels. The image's
// memory outlives a Drop: the next rendering of the same size is written into it, which spares
// the allocation, the release and the engine's first touch of fresh pages at every zoom step.
// Host UI thread.
class PreviewCache
{
public:
    // The engine's image of `view` over the device rectangle `device`: the held one when it
    // answers the same request, otherwise a new rendering by RenderPreview under the wait cursor,
    // held from then on. Null, with nothing held, when `device` is empty or the pixel buffer
    // cannot be allocated; the next call tries again. An engine error shows black, held as well.
    const QImage& Bring(const HLKilnSuite& kiln, const QRect& device, const JobRect& view);
    // Forgets the image, so that the next Bring renders.
    void Drop();

private:
    using Area = std::array<double, 4>;  // x0, x1, y0, y1: the engine's order

    bool Holds(const Area& area, const QSize& size) const;
    // Renders into m_image, allocated anew only for another size; false when it cannot be
    // allocated.
    bool Render(const HLKilnSuite& kiln, const QRect& device);

    Area m_area{};
    QSize m_size{-1, -1};  // -1: nothing held
    QImage m_image;
};
