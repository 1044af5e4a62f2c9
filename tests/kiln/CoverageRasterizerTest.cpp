// The rasteriser against exact areas, against Qt's own antialiased filling, across boxes cut out
// of one plane, and far past the plane.

#include "sim/kiln/CoverageRasterizer.h"

#include <QImage>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr int kSize = 64;
constexpr std::uint8_t kUntouched = 77;

// A kSize × kSize plane of its own.
struct TestPlane
{
    TestPlane() : bytes(kSize * kSize, kUntouched) {}

    kiln::Plane Plane() { return {bytes.data(), kSize, kSize, kSize}; }
    int At(int x, int y) const { return bytes[static_cast<std::size_t>(y * kSize + x)]; }

    std::vector<std::uint8_t> bytes;
};

// The outline painted into the box of a fresh plane, the box's pixels outside the spans written
// set to 0, as they are not covered. The spans must lie in the box, row by row, left to right.
TestPlane Painted(const QPainterPath& path, const QRect& box = QRect(0, 0, kSize, kSize), bool antialiasing = true,
                  const QTransform& toPlane = QTransform())
{
    TestPlane plane;
    kiln::CoverageRasterizer rasterizer;
    std::vector<bool> written(plane.bytes.size(), false);
    QPoint last(box.left(), box.top());
    for (const kiln::CoverageRasterizer::Span& span :
         rasterizer.Paint(kiln::Outline(path), toPlane, antialiasing, plane.Plane(), box)) {
        EXPECT_TRUE(span.row > last.y() || (span.row == last.y() && span.left >= last.x()));
        EXPECT_TRUE(box.contains(QPoint(span.left, span.row)) && span.left < span.right && span.right <= box.right() + 1);
        last = QPoint(span.right, span.row);
        for (int x = span.left; x < span.right; ++x)
            written[static_cast<std::size_t>(span.row * kSize + x)] = true;
    }
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (!written[static_cast<std::size_t>(y * kSize + x)])
                plane.bytes[static_cast<std::size_t>(y * kSize + x)] = 0;
    return plane;
}

// Qt's own rendering of the path, black on nothing, into a plane's pixels.
TestPlane QtPainted(const QPainterPath& path, bool antialiasing)
{
    TestPlane plane;
    plane.bytes.assign(plane.bytes.size(), 0);
    QImage image(plane.bytes.data(), kSize, kSize, kSize, QImage::Format_Alpha8);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialiasing);
    painter.fillPath(path, Qt::black);
    return plane;
}

QPainterPath Rectangle(const QRectF& rectangle)
{
    QPainterPath path;
    path.addRect(rectangle);
    return path;
}

// Shapes with curves, holes, overlaps and, at kStar, a self-crossing outline.
constexpr std::size_t kStar = 2;
std::vector<QPainterPath> Shapes()
{
    QPainterPath ring;
    ring.addEllipse(QPointF(30.3, 29.7), 25.2, 18.9);
    ring.addEllipse(QPointF(33.1, 31.4), 9.6, 7.3);  // same direction: filled by the non-zero rule
    QPainterPath hole;
    hole.addRect(QRectF(4.4, 6.1, 50.5, 40.25));
    hole.addPath(Rectangle(QRectF(20.6, 15.3, 10.1, 12.7)).toReversed());
    QPainterPath star(QPointF(32, 2.5));
    for (int i = 1; i < 5; ++i)
        star.lineTo(32 + 29.5 * std::sin(i * 4 * M_PI / 5), 32 - 29.5 * std::cos(i * 4 * M_PI / 5));
    star.closeSubpath();
    QPainterPathStroker stroker;
    stroker.setWidth(3.3);
    stroker.setJoinStyle(Qt::MiterJoin);
    QPainterPath wave(QPointF(3.2, 50.1));
    wave.cubicTo(15.7, -10.4, 40.1, 80.3, 60.6, 8.8);
    std::vector<QPainterPath> shapes{ring, hole, star, stroker.createStroke(wave)};
    for (QPainterPath& shape : shapes)
        shape.setFillRule(Qt::WindingFill);
    return shapes;
}

TEST(CoverageRasterizerTest, EachPixelTakesTheShareOfItsAreaTheShapeCovers)
{
    // Edges at quarters and halves of pixels: the shares are exact.
    const TestPlane plane = Painted(Rectangle(QRectF(QPointF(2.25, 3.5), QPointF(5.75, 6.0))));
    const int expected[][5] = {{0, 0, 0, 0, 0},
                               {96, 128, 128, 96, 0},  // row 3: half of each pixel's height
                               {191, 255, 255, 191, 0},
                               {191, 255, 255, 191, 0},
                               {0, 0, 0, 0, 0}};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(plane.At(x + 2, y + 2), expected[y][x]) << x + 2 << ", " << y + 2;
    // A triangle's diagonal halves the pixels it crosses; every pixel of the square is met once.
    QPainterPath triangle(QPointF(10, 10));
    triangle.lineTo(20, 10);
    triangle.lineTo(10, 20);
    const TestPlane half = Painted(triangle);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(half.At(i + 10, 9 - i + 10), 128) << i;
}

TEST(CoverageRasterizerTest, EdgePixelsOfCurvesHolesAndStrokesTakeTheAreaTheirSamplesFind)
{
    // 32 × 32 samples place an edge to 8 levels. The star is left out: where its outline crosses
    // itself a pixel holds windings 1 and 2 at once, which no area sum tells apart.
    constexpr int kSamples = 32;
    const std::vector<QPainterPath> shapes = Shapes();
    for (std::size_t s = 0; s < shapes.size(); ++s) {
        if (s == kStar)
            continue;
        const TestPlane ours = Painted(shapes[s]);
        const TestPlane qt = QtPainted(shapes[s], true);
        int edges = 0;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                if ((ours.At(x, y) == 0 || ours.At(x, y) == 255) && ours.At(x, y) == qt.At(x, y))
                    continue;
                int inside = 0;
                for (int i = 0; i < kSamples * kSamples; ++i)
                    inside += shapes[s].contains(
                        QPointF(x + (i % kSamples + 0.5) / kSamples, y + (i / kSamples + 0.5) / kSamples));
                const double area = 255.0 * inside / (kSamples * kSamples);
                EXPECT_NEAR(ours.At(x, y), area, 12.0) << "shape " << s << " at " << x << ", " << y;
                ++edges;
            }
        EXPECT_GT(edges, 100) << "shape " << s;
    }
}

TEST(CoverageRasterizerTest, WithoutAntialiasingAPixelIsCoveredWhereItsCentreIs)
{
    for (const QPainterPath& shape : Shapes()) {
        const TestPlane ours = Painted(shape, QRect(0, 0, kSize, kSize), false);
        int covered = 0;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                const QPointF centre(x + 0.5, y + 0.5);
                const bool inside = shape.contains(centre);
                covered += inside;
                // A flattened curve may pass a centre on the other side when it runs that close by.
                const QRectF near(centre - QPointF(0.05, 0.05), QSizeF(0.1, 0.1));
                if (!shape.intersects(near) || shape.contains(near)) {
                    ASSERT_EQ(ours.At(x, y), inside ? 255 : 0) << x << ", " << y;
                }
            }
        EXPECT_GT(covered, 300);
    }
}

TEST(CoverageRasterizerTest, AnyBoxCutOutOfThePlaneGetsTheSamePixelsAndNothingElseChanges)
{
    const QRect boxes[] = {{0, 0, 1, 1}, {17, 9, 13, 40}, {31, 31, 33, 33}, {5, 44, 59, 3}, {40, 0, 1, 64}};
    for (const bool antialiasing : {true, false}) {
        for (const QPainterPath& shape : Shapes()) {
            const TestPlane whole = Painted(shape, QRect(0, 0, kSize, kSize), antialiasing);
            for (const QRect& box : boxes) {
                const TestPlane part = Painted(shape, box, antialiasing);
                for (int y = 0; y < kSize; ++y)
                    for (int x = 0; x < kSize; ++x)
                        ASSERT_EQ(part.At(x, y), box.contains(x, y) ? whole.At(x, y) : kUntouched)
                            << x << ", " << y << " in " << box.x() << ", " << box.y();
            }
        }
    }
}

// The transform of a rendering of the area (x0, x1, y0, y1) over width × height pixels, made as
// the renderer makes it.
QTransform ToPlane(double x0, double x1, double y0, double y1, int width, int height)
{
    const double sx = width / (x1 - x0);
    const double sy = height / (y1 - y0);
    return QTransform(sx, 0.0, 0.0, sy, -x0 * sx, -y0 * sy);
}

TEST(CoverageRasterizerTest, ATileRenderedOnItsOwnMatchesTheWholeEvenWhereRoundNumbersMeetRoundingPoints)
{
    // A document's points in millimetres, rendered at 150 pixels per inch as a proof is: many of
    // them fall exactly halfway between two subpixels, where the transforms of a tile and of the
    // whole differ in their last bits.
    const double mm = 25.4 / 72.0;
    const double pixel = 25.4 / 150.0;
    QPainterPath shape;
    for (int i = 0; i < 12; ++i) {
        const QPointF corner(3.3 + 2.7 * i, 1.5 + 2.1 * (i % 5));
        shape.addPolygon(QPolygonF({corner, corner + QPointF(4.8, 0.3), corner + QPointF(2.1, 5.7)}));
        shape.cubicTo(corner + QPointF(1.2, 2.4), corner + QPointF(0.6, 1.8), corner);
    }
    shape = QTransform::fromScale(mm, mm).map(shape);
    shape.setFillRule(Qt::WindingFill);
    const TestPlane whole = Painted(shape, QRect(0, 0, kSize, kSize), true,
                                    ToPlane(0.0, kSize * pixel, 0.0, kSize * pixel, kSize, kSize));
    for (const QSize tile : {QSize(7, 5), QSize(13, 11), QSize(8, 16)})
        for (int left = 0; left + tile.width() <= kSize; left += tile.width())
            for (int top = 0; top + tile.height() <= kSize; top += tile.height()) {
                const TestPlane part = Painted(shape, QRect(QPoint(0, 0), tile), true,
                                               ToPlane(left * pixel, (left + tile.width()) * pixel, top * pixel,
                                                       (top + tile.height()) * pixel, tile.width(), tile.height()));
                for (int y = 0; y < tile.height(); ++y)
                    for (int x = 0; x < tile.width(); ++x)
                        ASSERT_EQ(part.At(x, y), whole.At(left + x, top + y)) << left + x << ", " << top + y;
            }
}

TEST(CoverageRasterizerTest, OutlinesFarLargerThanThePlaneFillItAndPlaceTheirEdgesInIt)
{
    // A page at a deep zoom: millions of pixels on every side, one edge crossing the plane.
    const QTransform deep = QTransform::fromScale(1e5, 1e5).translate(-1000.0, -1000.0);
    QPainterPath page;
    page.addEllipse(QPointF(1000.0, 1000.0), 500.0, 500.0);
    const TestPlane inside = Painted(page, QRect(0, 0, kSize, kSize), true, deep);
    EXPECT_EQ(inside.bytes, std::vector<std::uint8_t>(kSize * kSize, 255));
    const TestPlane edge = Painted(Rectangle(QRectF(QPointF(-3000.0, -4000.0), QPointF(1000.0002, 5000.0))),
                                   QRect(0, 0, kSize, kSize), true, deep);
    for (int y = 0; y < kSize; ++y) {
        EXPECT_EQ(edge.At(19, y), 255);
        EXPECT_EQ(edge.At(20, y), 0);
    }
    const TestPlane beyond = Painted(Rectangle(QRectF(-2e6, -2e6, 1e6, 4e6)), QRect(0, 0, kSize, kSize), true);
    EXPECT_EQ(beyond.bytes, std::vector<std::uint8_t>(kSize * kSize, 0)) << "left of the plane, covering nothing";
}

}  // namespace
