#include "viewer/PreviewCache.h"

#include "plugin/suites/HLKilnSuite.h"
#include "viewer/WaitCursorScope.h"

#include <QImage>

#include <memory>
#include <new>

namespace {

constexpr int kBytesPerPixel = 4;

// The engine's pixels of `area` over `device` in a pixmap of the device size; null when the
// buffer cannot be allocated. The engine's result is not asked: a buffer it left alone shows black.
QPixmap Render(const HLKilnSuite& kiln, const QRect& device, const double area[4])
{
    const int width = device.width();
    const int height = device.height();
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const std::unique_ptr<ASUInt32[]> pixels(new (std::nothrow) ASUInt32[count]());
    if (!pixels)
        return QPixmap();
    {
        const WaitCursorScope wait;
        kiln.RenderPreview(device.top(), device.top() + height, device.left(), device.left() + width, area,
                           pixels.get());
    }
    const QImage wrapped(reinterpret_cast<const uchar*>(pixels.get()), width, height, width * kBytesPerPixel,
                         QImage::Format_RGB32);
    QPixmap image = QPixmap::fromImage(wrapped);
    // The buffer is freed on return; the pixmap must own its pixels by then.
    image.detach();
    return image;
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
