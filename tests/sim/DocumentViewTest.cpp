#include "sim/host/DocumentView.h"

#include "sim/host/DocumentContent.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using hostsim::DocumentView;

namespace {

hostsim::Page LabelPage()
{
    return hostsim::Page{283.465, 170.079, AIRealPoint{30, 40}};
}

// Where an artwork point appears in the window, as fractions of its width and height.
AIRealPoint WindowFraction(const DocumentView& view, const AIRealPoint& point)
{
    const AIRealRect b = view.Bounds();
    return AIRealPoint{(point.h - b.left) / (b.right - b.left), (b.top - point.v) / (b.top - b.bottom)};
}

}  // namespace

TEST(DocumentViewTest, ANewViewShowsTheWholePageCentred)
{
    const DocumentView view(LabelPage());
    const AIRealRect b = view.Bounds();
    EXPECT_DOUBLE_EQ(view.Zoom(), 800.0 / 283.465);
    EXPECT_DOUBLE_EQ(b.left, -30.0);
    EXPECT_DOUBLE_EQ(b.right, 283.465 - 30.0);
    EXPECT_DOUBLE_EQ((b.top + b.bottom) / 2, 170.079 / 2 - 40.0);
    EXPECT_GT(b.top - b.bottom, 170.079);
}

TEST(DocumentViewTest, BoundsFollowCentreZoomAndWindowSizeAndScrollingMovesByWindowPixels)
{
    DocumentView view(LabelPage());
    ASSERT_TRUE(view.SetCenter(AIRealPoint{100, 50}));
    ASSERT_TRUE(view.SetZoom(2));
    const AIRealRect b = view.Bounds();
    EXPECT_DOUBLE_EQ(b.left, -100);
    EXPECT_DOUBLE_EQ(b.right, 300);
    EXPECT_DOUBLE_EQ(b.top, 200);
    EXPECT_DOUBLE_EQ(b.bottom, -100);

    ASSERT_TRUE(view.Resize(400, 100));
    EXPECT_DOUBLE_EQ(view.Bounds().left, 0);
    EXPECT_DOUBLE_EQ(view.Bounds().top, 75);
    ASSERT_TRUE(view.ScrollBy(100, 50));
    EXPECT_DOUBLE_EQ(view.Center().h, 150);
    EXPECT_DOUBLE_EQ(view.Center().v, 25);
}

TEST(DocumentViewTest, ZoomingAtAPointKeepsItUnderTheCursor)
{
    DocumentView view(LabelPage());
    const AIRealPoint anchor{20, 120};
    const AIRealPoint before = WindowFraction(view, anchor);
    for (double zoom : {8.0, 0.5, 1000.0}) {
        ASSERT_TRUE(view.ZoomAt(zoom, anchor));
        const AIRealPoint after = WindowFraction(view, anchor);
        EXPECT_NEAR(after.h, before.h, 1e-12);
        EXPECT_NEAR(after.v, before.v, 1e-12);
    }
    EXPECT_EQ(view.Zoom(), DocumentView::kMaximumZoom);
}

TEST(DocumentViewTest, ZoomStaysInTheHostsRangeAndRefusesNonsense)
{
    DocumentView view(LabelPage());
    view.SetZoom(1500);
    EXPECT_EQ(view.Zoom(), 640);
    view.SetZoom(0.001);
    EXPECT_EQ(view.Zoom(), 0.03125);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {0.0, -2.0, nan, inf})
        EXPECT_FALSE(view.SetZoom(bad)) << bad;
    EXPECT_EQ(view.Zoom(), 0.03125);
    EXPECT_FALSE(view.SetCenter(AIRealPoint{nan, 0}));
    EXPECT_FALSE(view.ScrollBy(inf, 0));
    EXPECT_FALSE(view.Resize(0, 10));
    EXPECT_FALSE(view.SetScaleFactor(-1));
    EXPECT_EQ(view.Width(), DocumentView::kDefaultWidth);
    EXPECT_EQ(view.ScaleFactor(), 1.0);
    EXPECT_FALSE(std::isnan(view.Center().h));
}
