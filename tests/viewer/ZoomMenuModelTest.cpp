#include "viewer/JobViewGeometry.h"
#include "viewer/ZoomMenuModel.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Kind = ZoomStep::Kind;

// The menu after showing `percent` (a custom value or a level) or after selecting `entry`.
ZoomMenuModel MenuAt(double percent, int entry = -1)
{
    ZoomMenuModel menu;
    menu.ShowZoom(percent / 100);
    menu.Select(entry);
    return menu;
}

}  // namespace

TEST(ZoomMenuModelTest, ShowZoomSelectsTheMatchingLevelOrFormatsThePercentage)
{
    struct Row { double factor; int selected; const char* text; };
    const Row rows[] = {
        {0.5, 21, ""},         {1.0, 19, ""},          {640, 0, ""},        {0.0313, 29, ""},
        {0.03125, 29, ""},     {0.66667, 20, ""},      {0.6665, -1, "66.65%"}, {1.234, -1, "123.4%"},
        {20, -1, "  2000%"},   {1500, -1, "150000%"}, {0.02, -1, "2.00%"},  {0.995, -1, "99.50%"},
        {10, -1, "  1000%"},   {0, -1, "0.00%"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.factor);
        ZoomMenuModel menu;
        menu.ShowZoom(row.factor);
        EXPECT_EQ(menu.Selected(), row.selected);
        EXPECT_EQ(menu.IsCustom(), row.selected < 0);
        EXPECT_EQ(menu.Text(), row.text);
    }
}

TEST(ZoomMenuModelTest, ButtonsStepThroughLevelsAndCustomPercentages)
{
    struct Row { ZoomMenuModel menu; bool zoomIn; Kind kind; int entry; const char* text; };
    const Row rows[] = {
        {MenuAt(100), true, Kind::ChooseEntry, 18, ""}, {MenuAt(64000), true, Kind::CustomPercent, -1, " 96000%"},
        {ZoomMenuModel(), true, Kind::CustomPercent, -1, " 96000%"}, {MenuAt(123.4), true, Kind::ChooseEntry, 18, ""},
        {MenuAt(1), true, Kind::ChooseEntry, 29, ""}, {MenuAt(96000), true, Kind::CustomPercent, -1, "144000%"},
        {MenuAt(100, 31), true, Kind::CustomPercent, -1, " 96000%"}, {MenuAt(100), false, Kind::ChooseEntry, 20, ""},
        {MenuAt(3.13), false, Kind::None, -1, ""}, {MenuAt(2), false, Kind::CustomPercent, -1, "1.33%"},
        {MenuAt(100000), false, Kind::CustomPercent, -1, " 66667%"}, {MenuAt(90000), false, Kind::ChooseEntry, 0, ""},
        {MenuAt(96000), false, Kind::ChooseEntry, 0, ""}, {MenuAt(123.4), false, Kind::ChooseEntry, 19, ""},
        {ZoomMenuModel(), false, Kind::None, -1, ""}, {MenuAt(100, 32), false, Kind::None, -1, ""},
    };
    for (Row row : rows) {
        SCOPED_TRACE(::testing::Message() << (row.zoomIn ? "in from " : "out from ") << row.menu.CurrentPercent()
                                          << " entry " << row.menu.Selected());
        const ZoomStep step = row.zoomIn ? row.menu.ZoomIn() : row.menu.ZoomOut();
        EXPECT_EQ(step.kind, row.kind);
        EXPECT_EQ(step.entry, row.entry);
        EXPECT_EQ(row.menu.Text(), row.text);
        EXPECT_EQ(row.menu.IsCustom(), step.kind == Kind::CustomPercent);
        if (step.kind == Kind::ChooseEntry) {
            EXPECT_EQ(row.menu.Selected(), step.entry);
            EXPECT_EQ(step.percent, kZoomMenuRows[step.entry].value);
        }
    }
}

TEST(ZoomMenuModelTest, ZoomingInPastTheLargestLevelHoldsAtTheCanvasClamp)
{
    JobViewGeometry canvas;
    canvas.SetCanvasSize(480, 480);
    canvas.SetViewRect(JobRect{0, 297, 0, 210});
    ZoomMenuModel menu = MenuAt(64000);
    for (int click = 0; click < 6; ++click) {
        const ZoomStep step = menu.ZoomIn();
        canvas.SetZoom(step.percent / 100);
        menu.ShowZoom(canvas.GetZoom());
    }
    EXPECT_TRUE(menu.IsCustom());
    EXPECT_NEAR(menu.CurrentPercent(), 150000, 1e-6);
    EXPECT_EQ(menu.Text(), "150000%");
}

TEST(ZoomMenuModelTest, SelectRefusesTheSeparatorAndClearKeepsTheCustomStep)
{
    ZoomMenuModel menu = MenuAt(123.4);
    for (const int entry : {-1, 30, ZoomMenuModel::kEntryCount})
        EXPECT_FALSE(menu.Select(entry));
    menu.Clear();
    EXPECT_EQ(menu.Selected(), -1);
    EXPECT_EQ(menu.Text(), "");
    EXPECT_EQ(menu.ZoomIn().entry, 18);
}
