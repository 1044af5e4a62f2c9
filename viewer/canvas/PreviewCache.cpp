#include "viewer/canvas/PreviewCache.h"

#include "plugin/suites/HLKilnSuite.h"
#include "viewer/canvas/WaitCursorScope.h"

namespace {

const QImage& NoImage()
{
    static const QImage none;
    return none;
}

}  // namespace

const QImage& PreviewCache::Bring(const HLKilnSuite& kiln, const QRect& device, const JobRect& view)
{
    const Area area{view.x0, view.x1, view.y0, view.y1};
    if (Holds(area, device.size()))
        return m_image;
    Drop();
    m_area = area;
    if (device.isEmpty() || !Render(kiln, device))
        return NoImage();
    m_size = device.size();
    return m_image;
}

void PreviewCache::Drop()
{
    m_size = QSize(-1, -1);
}

bool PreviewCache::Holds(const Area& area, const QSize& size) const
{
    return area == m_area && size == m_size;
}

bool PreviewCache::Render(const HLKilnSuite& kiln, const QRect& device)
{
    if (m_image.size() != device.size()) {
        // The old buffer goes first, so that only one is ever held.
        m_image = QImage();
        // Format_RGB32 rows are exactly width 32-bit pixels, the engine's layout; a failed
        // allocation gives a null image.
        m_image = QImage(device.size(), QImage::Format_RGB32);
        if (m_image.isNull())
            return false;
    }
    const WaitCursorScope wait;
    // A failing engine's buffer shows black and is kept, so that it is not asked again at every paint.
    if (kiln.RenderPreview(device.top(), device.bottom() + 1, device.left(), device.right() + 1, m_area.data(),
                           reinterpret_cast<ASUInt32*>(m_image.bits())) != kNoErr)
        m_image.fill(Qt::black);
    return true;
}
