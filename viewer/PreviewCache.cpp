#include "viewer/PreviewCache.h"

#include "plugin/suites/HLKilnSuite.h"
#include "viewer/WaitCursorScope.h"

#include <QImage>

#include <utility>

namespace {

// The engine's pixels of `area` over `device` in a pixmap of the device size; null when the
// buffer cannot be allocated or the engine reports an error (the buffer then holds nothing).
// The engine writes straight into the image's rows (32 bits a pixel, no padding), which the
// pixmap then takes over without a copy.
QPixmap Render(const HLKilnSuite& kiln, const QRect& device, const double area[4])
{
    const int width = device.width();
    const int height = device.height();
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return QPixmap();
    ASErr error = kNoErr;
    {
        const WaitCursorScope wait;
        error = kiln.RenderPreview(device.top(), device.top() + height, device.left(), device.left() + width, area,
                                   reinterpret_cast<ASUInt32*>(image.bits()));
    }
    if (error != kNoErr)
        return QPixmap();
    return QPixmap::fromImage(std::move(image));
}

}  // namespace

const QPixmap& PreviewCache::Bring(const HLKilnSuite& kiln, const QRect& device, const JobRect& view)
{
    const Area area{view.x0, view.x1, view.y0, view.y1};
    if (Holds(area, device.size()))
        return m_image;
    Drop();
    if (device.isEmpty())
        return m_image;
    m_area = area;
    m_size = device.size();
    m_image = Render(kiln, device, m_area.data());
    return m_image;
}

void PreviewCache::Drop()
{
    m_image = QPixmap();
    m_size.setWidth(-1);
}

bool PreviewCache::Holds(const Area& area, const QSize& size) const
{
    return !m_image.isNull() && area == m_area && size == m_size;
}
