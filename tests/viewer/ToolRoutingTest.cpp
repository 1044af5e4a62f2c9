// The canvas's tool choice, played as key and button sequences.

#include "viewer/model/ToolRouting.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint32_t kLeft = 4, kControl = 64, kAlt = 128, kSpace = 512;
constexpr std::int32_t kKeyStroke = -15, kSpaceUp = -9, kMove = -1;
constexpr std::int32_t kSpaceKey = 32, kControlKey = 244;
using T = CanvasTool;
using Op = ToolOperation;

struct Step
{
    std::int32_t action;
    std::uint32_t modifiers;
    std::int32_t key;
    std::uint32_t host;
    ToolOperation operation;  // reaching the tool current at that moment
    CanvasTool tool;          // current afterwards
};

// Applies each step's route to a current tool, starting with the base tool and no keys held.
void Play(const char* name, const std::vector<Step>& steps)
{
    ModifierKeys last;
    ToolRouting routing(last);
    CanvasTool current = T::ZoomIn;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        const ToolRoute route = routing.Route(s.action, s.modifiers, s.key, s.host);
        current = route.bySpace.value_or(current);
        EXPECT_EQ(route.operation, s.operation) << name << ", step " << i;
        current = route.byModifiers.value_or(route.byButton.value_or(current));
        EXPECT_EQ(current, s.tool) << name << ", step " << i;
    }
}

TEST(ToolRoutingTest, SpaceControlAndAltChooseTheToolAsTabled)
{
    Play("space held, then Control: nothing until space is pressed again",
         {{kKeyStroke, kSpace, kSpaceKey, 0, Op::None, T::Pan},
          {kKeyStroke, kSpace | kControl, kControlKey, 0, Op::None, T::Pan},
          {kSpaceUp, kControl, kSpaceKey, 0, Op::None, T::Pan},
          {kKeyStroke, kSpace | kControl, kSpaceKey, 0, Op::None, T::ZoomIn},
          {kKeyStroke, kSpace | kControl | kAlt, 0, 0, Op::None, T::ZoomIn},
          {kSpaceUp, kControl | kAlt, kSpaceKey, 0, Op::None, T::ZoomIn},
          {kMove, 0, 0, 0, Op::MouseMove, T::ZoomIn}});
    Play("space released alone returns to the base tool; Control and Alt with space pressed zoom out",
         {{kKeyStroke, kSpace, kSpaceKey, 0, Op::None, T::Pan},
          {kSpaceUp, 0, kSpaceKey, 0, Op::None, T::ZoomIn},
          {kKeyStroke, kControl | kAlt, kControlKey, 0, Op::None, T::ZoomIn},
          {9, kControl | kAlt, 0, 0, Op::None, T::ZoomOut}});
    Play("Alt alone zooms out, Control alone is the base tool, neither with space pans",
         {{kMove, kAlt, 0, 0, Op::MouseMove, T::ZoomOut},
          {kMove, kControl, 0, 0, Op::MouseMove, T::ZoomIn},
          {kMove, kAlt, 0, 0, Op::MouseMove, T::ZoomOut},
          {kMove, kAlt | kSpace, 0, 0, Op::MouseMove, T::ZoomOut},
          {kMove, kSpace, 0, 0, Op::MouseMove, T::Pan},
          {kMove, 0, 0, 0, Op::MouseMove, T::ZoomIn}});
    Play("the host's modifiers count as held in the canvas",
         {{kMove, 0, 0, kSpace, Op::MouseMove, T::Pan},
          {1, kLeft, 0, kSpace, Op::MouseDrag, T::Pan},
          {kMove, 0, 0, kSpace | kAlt, Op::MouseMove, T::Pan},
          {kMove, 0, 0, kAlt, Op::MouseMove, T::Pan},
          {kMove, 0, 0, 0, Op::MouseMove, T::ZoomIn}});
}

TEST(ToolRoutingTest, ButtonsReachTheCurrentToolAndTheRightButtonZoomsOutForOneClick)
{
    Play("buttons", {{2, kLeft, 0, 0, Op::MouseDown, T::ZoomIn},
                     {1, kLeft, 0, 0, Op::MouseDrag, T::ZoomIn},
                     {-2, 0, 0, 0, Op::MouseUp, T::ZoomIn},
                     {1000, kLeft, 0, 0, Op::MouseDown, T::ZoomIn},
                     {3, 8, 0, 0, Op::None, T::ZoomIn},
                     {-3, 0, 0, 0, Op::None, T::ZoomIn},
                     {4, 16, 0, 0, Op::None, T::ZoomOut},
                     {-4, 0, 0, 0, Op::MouseUp, T::ZoomIn},
                     {kKeyStroke, 0, 27, 0, Op::None, T::ZoomIn}});
}

}  // namespace
