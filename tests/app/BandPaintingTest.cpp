// A repaint shared between two threads: each band paints its rows of the region repainted, with a
// painter that maps as the widget's painter does.

#include "sim/app/BandPainting.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QThread>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kSplit = 15;

// On an image at each pixel ratio, with the painter moved: every band fills all it can; each
// pixel of the region takes its band's colour, every other pixel stays white.
TEST(BandPaintingTest, EachBandPaintsItsRowsOfTheRegionOnlyOnThreadsOfTheirOwn)
{
    const QRegion region = QRegion(0, 0, 30, 40) + QRegion(40, 10, 20, 20);
    const QColor colours[2] = {Qt::red, Qt::blue};
    for (const int ratio : {1, 2}) {
        SCOPED_TRACE("ratio " + std::to_string(ratio));
        QImage image(QSize(60, 40) * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(5.0, 3.0);
        const hostapp::BandPainting bands(painter, region);
        ASSERT_TRUE(bands.Possible());
        QRect rows[2];
        QThread* threads[2] = {};
        bands.Run(kSplit, [&](QPainter& band, int index, const QRect& bandRows) {
            rows[index] = bandRows;
            threads[index] = QThread::currentThread();
            band.fillRect(QRect(-5, -3, 60, 40), colours[index]);
        });
        painter.end();
        EXPECT_EQ(rows[0], QRect(0, 0, 60, kSplit));
        EXPECT_EQ(rows[1], QRect(0, kSplit, 60, 40 - kSplit));
        EXPECT_NE(threads[0], threads[1]);
        int wrong = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QPoint at(x / ratio, y / ratio);
                const QColor expected = !region.contains(at) ? QColor(Qt::white) : colours[at.y() < kSplit ? 0 : 1];
                wrong += image.pixelColor(x, y) == expected ? 0 : 1;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

// A painter on anything but an image paints its repaint alone.
TEST(BandPaintingTest, APictureIsNotShared)
{
    QPicture picture;
    QPainter painter(&picture);
    EXPECT_FALSE(hostapp::BandPainting(painter, QRegion(0, 0, 10, 10)).Possible());
}

}  // namespace
