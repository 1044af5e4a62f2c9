// A job's texts: equal words in one font are laid out once and placed at each item's baseline and
// size; another font or other words are laid out on their own.

#include "sim/host/HostSimDocumentAccessSuite.h"
#include "sim/kiln/TextOutlines.h"

#include <QTransform>

#include <gtest/gtest.h>

namespace {

HostSimArtwork Text(const char* font, const char* text, double size, AIRealPoint baseline)
{
    HostSimArtwork item{};
    item.kind = kHostSimText;
    item.font = font;
    item.text = text;
    item.fontSize = size;
    item.baseline = baseline;
    return item;
}

void ExpectNear(const QRectF& a, const QRectF& b)
{
    EXPECT_NEAR(a.left(), b.left(), 1e-9);
    EXPECT_NEAR(a.top(), b.top(), 1e-9);
    EXPECT_NEAR(a.right(), b.right(), 1e-9);
    EXPECT_NEAR(a.bottom(), b.bottom(), 1e-9);
}

TEST(TextOutlinesTest, EqualWordsInOneFontAreOneLayoutPlacedAndScaledForEachItem)
{
    kiln::TextOutlines texts;
    const std::vector<QPainterPath> small = texts.Of(Text("DejaVu Sans", "Gold", 10.0, {20.0, 30.0}));
    const std::vector<QPainterPath> large = texts.Of(Text("DejaVu Sans", "Gold", 20.0, {100.0, 200.0}));
    const std::vector<QPainterPath> serif = texts.Of(Text("DejaVu Serif", "Gold", 10.0, {20.0, 30.0}));
    const std::vector<QPainterPath> other = texts.Of(Text("DejaVu Sans", "Golf", 10.0, {20.0, 30.0}));
    ASSERT_EQ(small.size(), 4u);
    ASSERT_EQ(large.size(), 4u);
    ASSERT_EQ(serif.size(), 4u);
    ASSERT_EQ(other.size(), 4u);
    // Twice the size, about the other baseline.
    const QTransform smallToLarge(2.0, 0.0, 0.0, 2.0, 100.0 - 2.0 * 20.0, 200.0 - 2.0 * 30.0);
    for (std::size_t i = 0; i < small.size(); ++i)
        ExpectNear(smallToLarge.mapRect(small[i].boundingRect()), large[i].boundingRect());
    EXPECT_FALSE(serif[0] == small[0]);
    EXPECT_TRUE(other[2] == small[2]);
    EXPECT_FALSE(other[3] == small[3]);
    // As laid out by a job of its own.
    EXPECT_TRUE(kiln::TextOutlines().Of(Text("DejaVu Sans", "Gold", 20.0, {100.0, 200.0})) == large);
}

}  // namespace
