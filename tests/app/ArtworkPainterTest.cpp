// The host's document view paints from a painter made once per document revision, and paints only
// the items that meet the area asked for.

#include "sim/app/ArtworkPainter.h"
#include "sim/app/DocumentWidget.h"
#include "sim/app/PaintColour.h"
#include "sim/host/ArtworkOutline.h"
#include "sim/host/DocumentReader.h"
#include "sim/host/Host.h"

#include "tests/support/TemporaryFolder.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr double kMargin = 2.0;  // window pixels, as the document view adds them

struct View
{
    double zoom;       // window pixels per point
    QPointF topLeft;   // artwork point at the window's top-left corner
};

QTransform ToWindow(const View& view)
{
    return QTransform(view.zoom, 0.0, 0.0, -view.zoom, -view.topLeft.x() * view.zoom, view.topLeft.y() * view.zoom);
}

QImage Paint(const hostapp::ArtworkPainter& artwork, const View& view, bool cull, std::size_t& painted)
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::gray);
    QPainter painter(&image);
    const QTransform toWindow = ToWindow(view);;
    painter.setTransform(toWindow);
    artwork.PaintPage(painter, image.rect(), Qt::gray);
    const QRectF window = QRectF(0, 0, kWidth, kHeight).adjusted(-kMargin, -kMargin, kMargin, kMargin);
    const QRectF everything(-1e6, -1e6, 2e6, 2e6);
    painted = artwork.PaintArtwork(painter, cull ? toWindow.inverted().mapRect(window) : everything);
    return image;
}

// Each item as the painter draws it, whole: the outline filled and stroked with the view's
// transform, text as its whole line of glyph outlines.
QImage PaintWhole(const hostsim::DocumentContent& content, const hostapp::ArtworkPainter& artwork, const View& view)
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setTransform(ToWindow(view));
    artwork.PaintPage(painter, image.rect(), Qt::gray);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const hostsim::ArtworkItem& item : content.artwork) {
        QPainterPath outline;
        QTransform toArtwork;
        if (item.kind == hostsim::ArtworkKind::Text) {
            QFont font(QString::fromStdString(item.font));
            font.setPixelSize(256);
            font.setHintingPreference(QFont::PreferNoHinting);
            outline.addText(0.0, 0.0, font, QString::fromStdString(item.text));
            toArtwork = QTransform::fromScale(item.fontSize / 256.0, -item.fontSize / 256.0) *
                        QTransform::fromTranslate(item.baseline.h, item.baseline.v);
        } else {
            outline = hostsim::ArtworkOutline(static_cast<ASInt32>(item.kind), item.bounds, item.points.data(),
                                              item.points.size(), item.closed);
        }
        painter.setTransform(toArtwork * ToWindow(view));
        if (!item.fill.empty())
            painter.fillPath(outline, hostapp::PaintColour(content, item.fill));
        if (!item.stroke.empty()) {
            QPen pen(hostapp::PaintColour(content, item.stroke), item.strokeWidth);
            pen.setJoinStyle(Qt::MiterJoin);
            painter.strokePath(outline, pen);
        }
    }
    return image;
}

// How many pixels of `a` lie outside the range of colours that `b` has within two pixels of them,
// channel by channel, by more than two levels: an edge antialiased a little differently or moved
// by a pixel (curves are flattened at the device's resolution) stays in range; a shape missing,
// added or moved further does not.
int OutOfRange(const QImage& a, const QImage& b)
{
    constexpr int kLevels = 2;
    constexpr int kPixels = 2;
    const auto channel = [](QRgb pixel, int c) { return c == 0 ? qRed(pixel) : c == 1 ? qGreen(pixel) : qBlue(pixel); };
    int out = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            bool inRange = true;
            for (int c = 0; c < 3 && inRange; ++c) {
                int low = 255;
                int high = 0;
                for (int v = std::max(0, y - kPixels); v <= std::min(b.height() - 1, y + kPixels); ++v) {
                    for (int u = std::max(0, x - kPixels); u <= std::min(b.width() - 1, x + kPixels); ++u) {
                        low = std::min(low, channel(b.pixel(u, v), c));
                        high = std::max(high, channel(b.pixel(u, v), c));
                    }
                }
                const int value = channel(a.pixel(x, y), c);
                inRange = value >= low - kLevels && value <= high + kLevels;
            }
            out += inRange ? 0 : 1;
        }
    }
    return out;
}

// The two pictures show the same but for antialiasing: each is in range of the other.
void ExpectAlike(const QImage& a, const QImage& b)
{
    EXPECT_EQ(OutOfRange(a, b), 0);
    EXPECT_EQ(OutOfRange(b, a), 0);
}

// Items whose outlines lie outside the window at zoom 4 from (50, 150), 80 x 60 points, but whose
// stroke or glyphs reach into it: a thick stroke left of it, text below it, a level line above it.
constexpr const char* kEdges = R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
    "page": {"width": 200, "height": 200},
    "artwork": [
      {"type": "rectangle", "bounds": [10, 140, 45, 100], "stroke": {"width": 20, "inks": {"Cyan": 100}}},
      {"type": "text", "at": [60, 80], "size": 30, "text": "Hg", "fill": {"Magenta": 100}},
      {"type": "path", "points": [[60, 153], [120, 153]], "closed": false, "stroke": {"width": 8, "inks": {"Black": 100}}}
    ]})";

std::string LargeDocument(const TemporaryFolder& folder)
{
    const std::string file = folder.File("large.json");
    const std::string command = std::string(PYTHON3 " " SAMPLES_DIR "/large-document.py --objects 1000 --seed 5 --output '") +
                                file + "'";
    return std::system(command.c_str()) == 0 ? file : std::string();
}

// Items cut by the window's edges, hairlines, strokes reaching past their outline and text all
// come out as they do when every item is painted, but for antialiasing; at deep zooms few items
// are painted at all.
TEST(ArtworkPainterTest, PaintingOnlyTheItemsInTheWindowShowsTheSame)
{
    const TemporaryFolder folder;
    struct Row
    {
        std::string document;
        View view;
        bool fewPainted;
    };
    const std::string large = LargeDocument(folder);
    ASSERT_FALSE(large.empty());
    const std::string edges = folder.Write("edges.json", kEdges);
    const Row rows[] = {
        {edges, {4.0, {50, 150}}, false},
        {SAMPLES_DIR "/label.json", {1.0, {-10, 180}}, false},
        {SAMPLES_DIR "/label.json", {8.0, {60, 120}}, false},
        {SAMPLES_DIR "/fine-detail.json", {4.0, {90, 400}}, true},
        {SAMPLES_DIR "/fine-detail.json", {64.0, {3.7, 25.1}}, true},
        {large, {0.3, {-20, 850}}, false},
        {large, {64.0, {300.05, 420.02}}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.document + " at " + std::to_string(row.view.zoom));
        std::string error;
        const auto content = hostsim::ReadDocument(row.document, error);
        ASSERT_TRUE(content) << error;
        const hostapp::ArtworkPainter artwork(*content);
        std::size_t all = 0;
        std::size_t culled = 0;
        const QImage expected = Paint(artwork, row.view, false, all);
        const QImage painted = Paint(artwork, row.view, true, culled);
        EXPECT_EQ(all, content->artwork.size());
        ExpectAlike(painted, expected);
        if (row.fewPainted) {
            EXPECT_LT(culled * 4, all);
        }
    }
}

// Shapes many times the window at deep zooms, given to the painter cut to the window: an ellipse
// across its edges; a spike whose outline stays outside but whose mitre reaches in; a star whose
// fill has a hole; a thick open line starting inside; a triangle starting inside whose other
// corners lie far away; large text. Below a triangle that covers the window, a rectangle and two
// ellipses (one beside its corner, in a tile whose middle it covers); above it, spot and
// overprinting inks. An ellipse under two fills that cover the window
// together, neither alone. Upright and level rules, thinner and thicker than a pixel, on top.
constexpr const char* kLarge = R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
    "page": {"width": 200, "height": 200},
    "inks": [{"name": "PANTONE 186 C", "lab": [43, 68, 38]}],
    "artwork": [
      {"type": "ellipse", "bounds": [90, 110, 104, 90], "fill": {"Cyan": 60}, "stroke": {"width": 1, "inks": {"Magenta": 100}}},
      {"type": "path", "points": [[102.5, 101.6], [102.3, 110], [102.7, 110]], "stroke": {"width": 1, "inks": {"Black": 100}}},
      {"type": "path", "points": [[102, 101], [103.76, 95.57], [99.15, 98.93], [104.85, 98.93], [100.24, 95.57]],
       "fill": {"Yellow": 100}, "stroke": {"width": 0.2, "inks": {"Black": 80}}},
      {"type": "path", "points": [[101, 99], [130, 97.2], [101, 60]], "closed": false, "stroke": {"width": 0.7, "inks": {"Cyan": 100, "Black": 20}}},
      {"type": "path", "points": [[103.5, 97.5], [180, 120], [180, 20]], "stroke": {"width": 0.5, "inks": {"Magenta": 60}}},
      {"type": "text", "at": [99, 96.5], "size": 12, "text": "Og8", "fill": {"PANTONE 186 C": 100}},
      {"type": "rectangle", "bounds": [30, 80, 100, 20], "fill": {"Yellow": 100}},
      {"type": "ellipse", "bounds": [45, 55, 60, 40], "fill": {"Magenta": 100}, "stroke": {"width": 2, "inks": {"Black": 100}}},
      {"type": "ellipse", "bounds": [88.7, 50.7, 89.6, 50.58], "fill": {"Black": 100}},
      {"type": "path", "points": [[20, 20], [90, 50], [20, 90]], "fill": {"Cyan": 100}},
      {"type": "ellipse", "bounds": [50, 49, 53, 47], "fill": {"PANTONE 186 C": 40, "Yellow": 30}, "stroke": {"width": 0.3, "inks": {"PANTONE 186 C": 100}}},
      {"type": "path", "points": [[48, 46], [55, 51]], "closed": false, "stroke": {"width": 0.4, "inks": {"Black": 50}}},
      {"type": "ellipse", "bounds": [140, 60, 160, 40], "fill": {"Black": 100}},
      {"type": "path", "points": [[100, 20], [153.5, 20], [153.5, 80], [100, 80]], "fill": {"Cyan": 40}},
      {"type": "path", "points": [[151.5, 20], [200, 20], [200, 80], [151.5, 80]], "fill": {"Magenta": 40}},
      {"type": "path", "points": [[101.3, 80], [101.3, 98.5]], "closed": false, "stroke": {"width": 0.05, "inks": {"Black": 100}}},
      {"type": "path", "points": [[115, 97.13], [90, 97.13]], "closed": false, "stroke": {"width": 0.02, "inks": {"Magenta": 100}}},
      {"type": "path", "points": [[95, 100.9], [110, 100.9]], "closed": false, "stroke": {"width": 0.003, "inks": {"Cyan": 100}}}
    ]})";

// What the window shows of shapes far larger than it is what painting them whole shows, but for
// antialiasing; beneath fills that cover the window nothing is painted.
TEST(ArtworkPainterTest, LargeShapesCutToTheWindowShowAsPaintedWhole)
{
    const TemporaryFolder folder;
    std::string error;
    const auto content = hostsim::ReadDocument(folder.Write("large.json", kLarge), error);
    ASSERT_TRUE(content) << error;
    const hostapp::ArtworkPainter artwork(*content);
    struct Row
    {
        View view;
        std::size_t painted;  // 0: not counted
    };
    const Row rows[] = {
        {{64.0, {100.0, 100.0}}, 0},
        {{16.0, {97.0, 102.0}}, 0},
        {{250.0, {101.9, 101.3}}, 0},
        {{64.0, {49.0, 50.0}}, 3},  // the covering triangle and the two items above it
        {{64.0, {86.0, 52.0}}, 0},  // the triangle's corner: the rectangle below shows
        {{64.0, {150.0, 50.0}}, 2},  // the two fills
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("zoom " + std::to_string(row.view.zoom) + " at " + std::to_string(row.view.topLeft.x()));
        std::size_t painted = 0;
        const QImage image = Paint(artwork, row.view, true, painted);
        ExpectAlike(image, PaintWhole(*content, artwork, row.view));
        if (row.painted > 0) {
            EXPECT_EQ(painted, row.painted);
        }
    }
}

// The page over a grey pasteboard, as painted one over the other: the pasteboard, the whole
// shadow three window pixels right of the page and below it, the page.
QImage PageOneOverAnother(const hostsim::Page& page, const View& view, double ratio)
{
    QImage image(QSize(kWidth, kHeight) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::gray);
    QPainter painter(&image);
    painter.setTransform(ToWindow(view));
    const QRectF sheet(-page.origin.h, -page.origin.v, page.width, page.height);
    const double shadow = 3.0 / view.zoom;
    painter.fillRect(sheet.translated(shadow, -shadow), QColor(0, 0, 0, 60));
    painter.fillRect(sheet, Qt::white);
    return image;
}

// Each pixel of the pasteboard, the shadow and the page is filled once, but for the page's edges,
// and the window shows what filling one over the other shows: the page inside the window, across
// its edges, around it, beyond it, at whole and fractional zooms and device pixel ratios.
TEST(ArtworkPainterTest, ThePageAndItsShadowShowAsPaintedOneOverAnother)
{
    hostsim::DocumentContent content;
    content.page = hostsim::Page{200.0, 120.0, {10.0, 20.0}};
    const hostapp::ArtworkPainter artwork(content);
    const View views[] = {
        {1.0, {-40, 130}},       // inside
        {1.37, {-60.3, 110.7}},  // across the bottom and right edges
        {0.5, {-300, 200}},      // small in the middle
        {8.0, {40.1, 60.2}},     // over all the window
        {2.0, {400, 100}},       // beyond the right edge
        {3.3, {-97.2, 110.6}},   // the corner with the shadow
    };
    for (const double ratio : {1.0, 1.5, 2.0}) {
        for (const View& view : views) {
            SCOPED_TRACE("zoom " + std::to_string(view.zoom) + " at ratio " + std::to_string(ratio));
            QImage image(QSize(kWidth, kHeight) * ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::red);
            QPainter painter(&image);
            painter.setTransform(ToWindow(view));
            artwork.PaintPage(painter, QRect(0, 0, kWidth, kHeight), Qt::gray);
            painter.end();
            EXPECT_TRUE(image == PageOneOverAnother(content.page, view, ratio));
        }
    }
}

// Text is filled glyph by glyph, and shows as the whole line filled at once: the same pixels
// where its glyphs lie a pixel apart or more, nearly the same where smaller ones nearly touch.
TEST(ArtworkPainterTest, TextShowsAsItsOutlineFilledAtOnce)
{
    const TemporaryFolder folder;
    const std::string text = "Hob 8% \u00e9\u00c4 ffi AVAW @&";
    const std::string file = folder.Write("text.json", R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
        "page": {"width": 200, "height": 200},
        "artwork": [{"type": "text", "at": [4, 40], "size": 24, "text": ")" + text + R"(", "fill": {"Black": 100}}]})");
    std::string error;
    const auto content = hostsim::ReadDocument(file, error);
    ASSERT_TRUE(content) << error;
    const hostapp::ArtworkPainter artwork(*content);
    const View views[] = {{1.0, {0, 60}}, {4.3, {3.2, 50.1}}, {0.2, {0, 100}}, {40.0, {14.0, 52.0}}};
    for (const View& view : views) {
        SCOPED_TRACE("zoom " + std::to_string(view.zoom));
        std::size_t painted = 0;
        const QImage image = Paint(artwork, view, true, painted);
        ExpectAlike(image, PaintWhole(*content, artwork, view));
        QImage bare(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&bare);
        painter.setTransform(ToWindow(view));
        artwork.PaintPage(painter, bare.rect(), Qt::gray);
        painter.end();
        EXPECT_FALSE(image == bare) << "the text is in the window";
    }
}

// The view keeps its painter while the document stays as it is, and paints an edit at once.
TEST(ArtworkPainterTest, TheDocumentViewPaintsEachRevision)
{
    hostsim::Host host;
    std::string error;
    const AIDocumentHandle document = host.Documents().Open(SAMPLES_DIR "/label.json", error);
    ASSERT_NE(document, nullptr) << error;
    hostapp::DocumentWidget view(host, document);
    view.resize(kWidth, kHeight);
    view.show();
    const auto centre = [&view] {
        QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
        view.viewport()->render(&image);
        return image.pixel(image.width() / 2, image.height() / 2);
    };
    const QRgb before = centre();
    EXPECT_EQ(centre(), before);

    hostsim::ArtworkItem cover;
    cover.bounds = AIRealRect{0, 170, 284, 0};
    cover.fill = {{3, 1.0}};  // Black
    ASSERT_TRUE(host.Documents().Edit(document, hostsim::AddArtwork{cover}, error)) << error;
    const QRgb after = centre();
    EXPECT_NE(after, before);
    EXPECT_LT(qGray(after), 80);
}

// A repaint of many items is shared between two threads: the view shows what one painter paints
// at once, at both pixel ratios and wherever the view lies in the picture, and nothing outside it.
TEST(ArtworkPainterTest, ManyItemsPaintedInTwoBandsShowAsPaintedAtOnce)
{
    const TemporaryFolder folder;
    const std::string large = LargeDocument(folder);
    ASSERT_FALSE(large.empty());
    hostsim::Host host;
    std::string error;
    const AIDocumentHandle document = host.Documents().Open(large, error);
    ASSERT_NE(document, nullptr) << error;
    hostapp::DocumentWidget view(host, document);
    view.resize(kWidth, kHeight);
    view.show();
    QWidget& window = *view.viewport();
    const hostapp::ArtworkPainter artwork(host.Documents().Find(document)->Content());
    const QTransform toWindow = hostapp::ArtworkToWindow(host.Documents().Find(document)->View());
    const QRect shown(QPoint(17, 11), window.size());
    for (const int ratio : {1, 2}) {
        SCOPED_TRACE("ratio " + std::to_string(ratio));
        QImage picture((shown.size() + QSize(40, 30)) * ratio, QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::black);
        window.render(&picture, shown.topLeft());

        QImage expected(shown.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        expected.setDevicePixelRatio(ratio);
        QPainter painter(&expected);
        painter.setTransform(toWindow);
        artwork.PaintPage(painter, window.rect(), window.palette().color(QPalette::Mid));
        const QRectF area = QRectF(window.rect()).adjusted(-kMargin, -kMargin, kMargin, kMargin);
        EXPECT_EQ(artwork.PaintArtwork(painter, toWindow.inverted().mapRect(area)), 1000u);
        painter.end();
        const QRect inPicture(shown.topLeft() * ratio, shown.size() * ratio);
        ExpectAlike(picture.copy(inPicture), expected);

        QImage outside = picture;
        outside.fill(Qt::black);
        QPainter(&picture).fillRect(shown, Qt::black);
        EXPECT_TRUE(picture == outside);
    }
}

}  // namespace
