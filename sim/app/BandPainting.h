#pragma once

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QTransform>

#include <functional>

class QPainter;

namespace hostapp {

// Shares one repaint of a widget between two threads when its painter paints on an image, as on a
// raster backing store: the rows above a split on this thread, those from it on another, each with
// a painter of its own over the same pixels, clipped to its rows of the region repainted.
class BandPainting
{
public:
    // `painter` is the widget's; `region` what the repaint may change, in widget pixels.
    BandPainting(const QPainter& painter, const QRegion& region);

    // Whether the painter's pixels lie in an image, the widget at whole device pixels in it.
    bool Possible() const;
    // Runs `paint` for both bands at once: band 0 above the row `split` (widget pixels), band 1
    // from it; `rows` is the band's part of the region's bounding rectangle. A band's painter maps
    // widget pixels to the image as the widget's painter does, and has its transform.
    void Run(int split, const std::function<void(QPainter& painter, int band, const QRect& rows)>& paint) const;

private:
    // The painter's image, read only here: each band paints through an image of its own over its
    // pixels, as a painter on a shared image would copy its pixels first.
    const QImage* m_image = nullptr;
    QPoint m_corner;  // the widget's top-left corner in the image, in widget pixels
    QTransform m_transform;
    QRegion m_region;
};

}  // namespace hostapp
