// The canvas's tools without a widget: what each makes of tracker records, on a canvas of
// 200 x 100 pixels showing (y 0..100, x 0..200) millimetres, one millimetre a pixel.

#include "toolkit/TrackerCodes.h"
#include "viewer/model/JobViewGeometry.h"
#include "viewer/model/PanTool.h"
#include "viewer/model/ZoomInTool.h"
#include "viewer/model/ZoomOutTool.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

enum class Op
{
    Down,
    Drag,
    Up,
    Move,
    Activate,          // with the record
    ActivateWithout,   // no record
};

struct Step
{
    Op op;
    int x;
    int y;
    std::uint32_t modifiers;
    const char* intent;
};

// "erase", "rect 10,10 30,20", "line ...", then "in x,y", "out x,y", "show x0..x1 y0..y1",
// "pan dx,dy", then "cursor id"; joined by "; ".
std::string Describe(const ToolIntent& intent)
{
    std::ostringstream out;
    const auto pixel = [&](const ToolPixel& p) { out << p.x << ',' << p.y; };
    const auto next = [&] {
        if (out.tellp() > 0)
            out << "; ";
    };
    switch (intent.band) {
    case ToolIntent::Band::Keep: break;
    case ToolIntent::Band::Erase: out << "erase"; break;
    case ToolIntent::Band::Rectangle: out << "rect "; pixel(intent.from); out << ' '; pixel(intent.to); break;
    case ToolIntent::Band::Line: out << "line "; pixel(intent.from); out << ' '; pixel(intent.to); break;
    }
    switch (intent.view) {
    case ToolIntent::View::Keep: break;
    case ToolIntent::View::ZoomInAt: next(); out << "in " << intent.point.x << ',' << intent.point.y; break;
    case ToolIntent::View::ZoomOutAt: next(); out << "out " << intent.point.x << ',' << intent.point.y; break;
    case ToolIntent::View::ShowRect:
        next();
        out << "show " << intent.rect.x0 << ".." << intent.rect.x1 << ' ' << intent.rect.y0 << ".." << intent.rect.y1;
        break;
    case ToolIntent::View::Pan: next(); out << "pan " << intent.dx << ',' << intent.dy; break;
    }
    if (intent.cursor) {
        next();
        out << "cursor " << *intent.cursor;
    }
    return out.str();
}

void Play(ToolBase& tool, const std::vector<Step>& steps)
{
    for (const Step& step : steps) {
        const qRVADM::TrackerRecord record{0, step.modifiers, 0, step.x, step.y};
        ToolIntent intent;
        switch (step.op) {
        case Op::Down: intent = tool.MouseDown(record); break;
        case Op::Drag: intent = tool.MouseDrag(record); break;
        case Op::Up: intent = tool.MouseUp(record); break;
        case Op::Move: intent = tool.MouseMove(record); break;
        case Op::Activate: intent = tool.Activate(&record); break;
        case Op::ActivateWithout: intent = tool.Activate(nullptr); break;
        }
        EXPECT_EQ(Describe(intent), step.intent) << "step " << &step - steps.data();
    }
}

class ToolsTest : public testing::Test
{
protected:
    ToolsTest()
    {
        m_geometry.SetCanvasSize(200, 100);
        m_geometry.SetViewRect({0, 100, 0, 200});
        m_geometry.GetZoom();
    }

    JobViewGeometry m_geometry;
};

constexpr std::uint32_t kLeft = qRVADM::kInputLeftButton;

// A click doubles the zoom at the point; a drag, even of one pixel, shows the dragged rectangle;
// the band continues when the tool comes back in mid-drag.
TEST_F(ToolsTest, ZoomInClicksAndDragsBelowTheLimit)
{
    ZoomInTool tool(m_geometry);
    Play(tool, {
                   {Op::Down, 60, 40, kLeft, "cursor 16204"},
                   {Op::Up, 60, 40, 0, "erase; in 60,40"},
                   {Op::Down, 10, 10, kLeft, "cursor 16204"},
                   {Op::Drag, 30, 20, kLeft, "rect 10,10 30,20"},
                   {Op::Up, 11, 11, 0, "erase; show 10..11 10..11"},
                   {Op::Down, 50, 50, kLeft, "cursor 16204"},
                   {Op::Activate, 70, 80, kLeft, "rect 50,50 70,80; cursor 16204"},
                   {Op::Activate, 70, 80, 0, "cursor 16204"},
                   {Op::Up, 40, 20, 0, "erase; show 50..40 50..20"},
                   {Op::Drag, 5, 6, kLeft, "rect 5,6 5,6"},
                   {Op::Move, 1, 1, 0, "cursor 16204"},
                   {Op::ActivateWithout, 0, 0, 0, "cursor 16204"},
               });
}

// At a zoom factor of 1499.9999 or more the tool shows the arrow and only erases its band.
TEST_F(ToolsTest, ZoomInAtTheLimitOnlyErasesItsBand)
{
    ASSERT_TRUE(m_geometry.SetZoom(JobViewGeometry::kZoomInLimit));
    ZoomInTool tool(m_geometry);
    Play(tool, {
                   {Op::ActivateWithout, 0, 0, 0, "cursor -4"},
                   {Op::Activate, 5, 5, kLeft, "cursor -4"},
                   {Op::Down, 60, 40, kLeft, ""},
                   {Op::Drag, 70, 50, kLeft, ""},
                   {Op::Move, 70, 50, 0, ""},
                   {Op::Up, 60, 40, 0, "erase"},
               });
}

TEST_F(ToolsTest, ZoomOutZoomsOutAtTheReleaseWithoutBand)
{
    ZoomOutTool tool(m_geometry);
    Play(tool, {
                   {Op::ActivateWithout, 0, 0, 0, "cursor 16205"},
                   {Op::Down, 60, 40, 0, "cursor 16205"},
                   {Op::Drag, 90, 50, kLeft, ""},
                   {Op::Up, 90, 50, 0, "out 90,50; cursor 16205"},
                   {Op::Move, 1, 2, 0, "cursor 16205"},
               });
}

// Only a line while dragging; one move on release, against the drag; activating forgets a drag.
TEST_F(ToolsTest, PanMovesOnceOnReleaseWithTheHand)
{
    PanTool tool(m_geometry);
    Play(tool, {
                   {Op::Down, 100, 100, kLeft, "cursor 16207"},
                   {Op::Drag, 130, 90, kLeft, "line 100,100 130,90"},
                   {Op::Up, 130, 90, 0, "erase; pan -30,10"},
                   {Op::Up, 10, 10, 0, "erase"},
                   {Op::Drag, 20, 20, kLeft, "line 20,20 20,20"},
                   {Op::ActivateWithout, 0, 0, 0, "cursor 16207"},
                   {Op::Up, 50, 50, 0, "erase"},
                   {Op::Move, 50, 50, 0, "cursor 16207"},
               });
}

}  // namespace
