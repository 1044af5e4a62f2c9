#include "sim/app/BandPainting.h"

#include <QPaintEngine>
#include <QPainter>

#include <cmath>
#include <future>

namespace hostapp {

BandPainting::BandPainting(const QPainter& painter, const QRegion& region)
    : m_transform(painter.transform())
    , m_region(region)
{
    const QPaintEngine* engine = painter.paintEngine();
    const QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image || !m_transform.isInvertible())
        return;
    const auto& image = static_cast<const QImage&>(*device);
    // Widget pixels to the image's: the widget's place in the image, then the ratio's scale.
    const QTransform toImage = m_transform.inverted() * painter.deviceTransform();
    const double ratio = image.devicePixelRatio();
    const QPointF corner(toImage.dx() / ratio, toImage.dy() / ratio);
    m_corner = corner.toPoint();
    const bool whole = toImage.type() <= QTransform::TxScale && toImage.m11() == ratio && toImage.m22() == ratio &&
                       QPointF(m_corner) == corner && std::floor(ratio) == ratio;
    if (whole)
        m_image = &image;
}

bool BandPainting::Possible() const
{
    return m_image != nullptr;
}

void BandPainting::Run(int split, const std::function<void(QPainter&, int, const QRect&)>& paint) const
{
    const QRect bounds = m_region.boundingRect();
    const QRect rows[2] = {QRect(QPoint(bounds.left(), bounds.top()), QPoint(bounds.right(), split - 1)),
                           QRect(QPoint(bounds.left(), split), bounds.bottomRight())};
    const double ratio = m_image->devicePixelRatio();
    const QTransform toImage = QTransform::fromTranslate(m_corner.x(), m_corner.y()) * QTransform::fromScale(ratio, ratio);
    const QRegion parts[2] = {toImage.map(m_region & rows[0]), toImage.map(m_region & rows[1])};
    const auto band = [&](int index) {
        if (parts[index].isEmpty())
            return;
        QImage pixels(const_cast<uchar*>(m_image->constBits()), m_image->width(), m_image->height(),
                      m_image->bytesPerLine(), m_image->format());
        pixels.setDevicePixelRatio(ratio);
        // Clipped by the system, as the widget's painter is: a clip of the painter's own would
        // antialias some edges a little differently.
        pixels.paintEngine()->setSystemClip(parts[index]);
        QPainter painter(&pixels);
        const QSize size = m_image->size() / ratio;
        painter.setViewport(QRect(m_corner, size));
        painter.setWindow(QRect(QPoint(0, 0), size));
        painter.setTransform(m_transform);
        paint(painter, index, rows[index]);
    };
    std::future<void> lower = std::async(std::launch::async, band, 1);
    band(0);
    lower.get();
}

}  // namespace hostapp
