#include "sim/host/Document.h"

#include "sim/host/DocumentReader.h"

#include <gtest/gtest.h>

using hostsim::AddArtwork;
using hostsim::ArtworkItem;
using hostsim::ArtworkKind;
using hostsim::Document;
using hostsim::MoveArtwork;
using hostsim::RecolourArtwork;

namespace {

constexpr const char* kText = R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
    "page": {"width": 100, "height": 100},
    "artwork": [{"type": "rectangle", "bounds": [0, 10, 10, 0], "fill": {"Black": 100}},
                {"type": "path", "points": [[0, 0], [5, 5], [9, 0]], "fill": {"Cyan": 50}},
                {"type": "text", "at": [1, 2], "size": 8, "text": "Hi", "fill": {"Magenta": 100}}]})";

class DocumentTest : public ::testing::Test
{
protected:
    DocumentTest() : document("/tmp/doc.json", Parse()) {}

    static hostsim::DocumentContent Parse()
    {
        std::string error;
        auto content = hostsim::ParseDocument(kText, "doc.json", error);
        EXPECT_TRUE(content) << error;
        return content ? *content : hostsim::DocumentContent{};
    }

    // A failing edit must report `expected` and leave the content and revision as they were.
    void ExpectRefused(const hostsim::DocumentEdit& edit, const std::string& expected)
    {
        const std::size_t count = document.Content().artwork.size();
        const AIRealRect bounds = document.Content().artwork[0].bounds;
        const auto fill = document.Content().artwork[0].fill;
        std::string error;
        EXPECT_FALSE(document.Apply(edit, error));
        EXPECT_EQ(error, expected);
        EXPECT_EQ(document.Revision(), 0u);
        EXPECT_EQ(document.Content().artwork.size(), count);
        EXPECT_EQ(document.Content().artwork[0].bounds.left, bounds.left);
        EXPECT_EQ(document.Content().artwork[0].fill.size(), fill.size());
    }

    Document document;
};

}  // namespace

TEST_F(DocumentTest, EditsMoveRecolourAndAddInFrontCountingRevisions)
{
    std::string error;
    ASSERT_TRUE(document.Apply(MoveArtwork{1, 2, -3}, error)) << error;
    ASSERT_TRUE(document.Apply(MoveArtwork{2, 1, 1}, error)) << error;
    ASSERT_TRUE(document.Apply(MoveArtwork{0, 1, 1}, error)) << error;
    const auto& artwork = document.Content().artwork;
    EXPECT_EQ(artwork[1].points[1].h, 7);
    EXPECT_EQ(artwork[1].points[1].v, 2);
    EXPECT_EQ(artwork[2].baseline.h, 2);
    EXPECT_EQ(artwork[2].baseline.v, 3);
    EXPECT_EQ(artwork[0].bounds.top, 11);
    EXPECT_EQ(artwork[0].bounds.right, 11);
    EXPECT_EQ(document.Revision(), 3u);

    ASSERT_TRUE(document.Apply(RecolourArtwork{0, {{0, 0.25}, {2, 1.0}}}, error)) << error;
    ASSERT_EQ(artwork[0].fill.size(), 2u);
    EXPECT_EQ(artwork[0].fill[0].tint, 0.25);
    ArtworkItem ellipse;
    ellipse.kind = ArtworkKind::Ellipse;
    ellipse.bounds = AIRealRect{20, 40, 40, 20};
    ellipse.fill = {{1, 1.0}};
    ASSERT_TRUE(document.Apply(AddArtwork{ellipse}, error)) << error;
    ASSERT_EQ(document.Content().artwork.size(), 4u);
    EXPECT_EQ(document.Content().artwork.back().kind, ArtworkKind::Ellipse);
    EXPECT_EQ(document.Revision(), 5u);
}

TEST_F(DocumentTest, RefusedEditsChangeNothing)
{
    ExpectRefused(MoveArtwork{3, 1, 1}, "artwork 4: no such item");
    ExpectRefused(MoveArtwork{-1, 1, 1}, "artwork 0: no such item");
    ExpectRefused(MoveArtwork{0, 20000, 0}, "artwork 1: bounds lie outside the canvas");
    ExpectRefused(RecolourArtwork{0, {{9, 1.0}}}, "artwork 1: fill uses ink 9, which the document does not hold");
    ExpectRefused(RecolourArtwork{0, {{1, 1.0}, {1, 0.5}}}, "artwork 1: fill uses ink 1 twice");
    ExpectRefused(RecolourArtwork{0, {{1, 1.5}}}, "artwork 1: fill tints must be between 0 and 100");
    ExpectRefused(RecolourArtwork{0, {}}, "artwork 1: needs a fill or a stroke");
    ArtworkItem stroked;
    stroked.kind = ArtworkKind::Text;
    stroked.text = "x";
    stroked.font = "DejaVu Sans";
    stroked.fontSize = 5;
    stroked.strokeWidth = 1;
    stroked.stroke = {{0, 1.0}};
    ExpectRefused(AddArtwork{stroked}, "artwork 4: text takes no stroke");
}
