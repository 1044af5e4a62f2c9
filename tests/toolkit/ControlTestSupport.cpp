#include "ControlTestSupport.h"

#include <QtGlobal>

namespace toolkittest {
namespace {

QImage Argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Both images in Format_ARGB32; `offset` may put the picture partly outside `shown`.
bool OpaquePixelsMatch(const QImage& shown, const QImage& expected, QPoint offset)
{
    if (!shown.rect().contains(QRect(offset, expected.size())))
        return false;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb want = expected.pixel(x, y);
            if (qAlpha(want) == 255 && shown.pixel(offset.x() + x, offset.y() + y) != want)
                return false;
        }
    }
    return true;
}

} // namespace

double RunRatio()
{
    bool ok = false;
    const double ratio = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && ratio > 0 ? ratio : 1.0;
}

bool ShowsPictureIn(const QImage& image, const QImage& picture, const QRect& area)
{
    const QImage shown = Argb(image);
    const QImage expected = Argb(picture);
    for (int y = area.top(); y + expected.height() <= area.bottom() + 1; ++y) {
        for (int x = area.left(); x + expected.width() <= area.right() + 1; ++x) {
            if (OpaquePixelsMatch(shown, expected, QPoint(x, y)))
                return true;
        }
    }
    return false;
}

} // namespace toolkittest
