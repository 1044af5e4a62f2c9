// The host's document view paints from a painter made once per document revision, and paints only
// the items that meet the area asked for.

#include "sim/app/ArtworkPainter.h"
#include "sim/app/DocumentWidget.h"
#include "sim/host/DocumentReader.h"
#include "sim/host/Host.h"

#include "tests/support/TemporaryFolder.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

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

QImage Paint(const hostapp::ArtworkPainter& artwork, const View& view, bool cull, std::size_t& painted)
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::gray);
    QPainter painter(&image);
    const QTransform toWindow(view.zoom, 0.0, 0.0, -view.zoom, -view.topLeft.x() * view.zoom, view.topLeft.y() * view.zoom);
    painter.setTransform(toWindow);
    artwork.PaintPage(painter);
    const QRectF window = QRectF(0, 0, kWidth, kHeight).adjusted(-kMargin, -kMargin, kMargin, kMargin);
    const QRectF everything(-1e6, -1e6, 2e6, 2e6);
    painted = artwork.PaintArtwork(painter, cull ? toWindow.inverted().mapRect(window) : everything);
    return image;
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
// come out as they do when every item is painted; at deep zooms few items are painted at all.
TEST(ArtworkPainterTest, PaintingOnlyTheItemsInTheWindowChangesNoPixel)
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
        EXPECT_TRUE(painted == expected);
        if (row.fewPainted) {
            EXPECT_LT(culled * 4, all);
        }
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

}  // namespace
