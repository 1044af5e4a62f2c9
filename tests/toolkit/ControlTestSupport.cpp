#include "ControlTestSupport.h"

#include <QtGlobal>

namespace toolkittest {

double RunRatio()
{
    bool ok = false;
    const double ratio = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && ratio > 0 ? ratio : 1.0;
}

bool ShowsPicture(const QImage& image, const QImage& picture, QPoint offset)
{
    const QImage expected = picture.convertToFormat(QImage::Format_ARGB32);
    const QImage shown = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb want = expected.pixel(x, y);
            if (qAlpha(want) == 255 && shown.pixel(offset.x() + x, offset.y() + y) != want)
                return false;
        }
    }
    return true;
}

} // namespace toolkittest
