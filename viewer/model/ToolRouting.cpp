#include "viewer/model/ToolRouting.h"

#include "toolkit/TrackerCodes.h"

namespace {

using namespace qRVADM;

struct SpaceRow
{
    bool held;
    bool control;
    bool alt;
    CanvasTool tool;
};

// A change of the space bar; no row: the tool stays.
constexpr SpaceRow kSpaceRows[] = {
    {true, true, false, CanvasTool::ZoomIn},
    {true, true, true, CanvasTool::ZoomOut},
    {true, false, false, CanvasTool::Pan},
    {false, false, false, CanvasTool::ZoomIn},
};

struct ActionRow
{
    std::int32_t action;
    ToolOperation operation;
    std::optional<CanvasTool> select;
};

// The tool operation of each tracker action; other actions (keys) reach no operation.
constexpr ActionRow kActionRows[] = {
    {kTrackLeftDown, ToolOperation::MouseDown, std::nullopt},
    {kTrackDoubleClick, ToolOperation::MouseDown, std::nullopt},
    {kTrackRightDown, ToolOperation::None, CanvasTool::ZoomOut},
    {kTrackMiddleDown, ToolOperation::None, std::nullopt},
    {kTrackMiddleUp, ToolOperation::None, std::nullopt},
    {kTrackRightUp, ToolOperation::MouseUp, CanvasTool::ZoomIn},
    {kTrackLeftUp, ToolOperation::MouseUp, std::nullopt},
    {kTrackDragLeft, ToolOperation::MouseDrag, std::nullopt},
    {kTrackMove, ToolOperation::MouseMove, std::nullopt},
};

struct ModifierRow
{
    bool control;
    bool alt;
    bool space;
    std::optional<CanvasTool> tool;
};

// After a Control or Alt transition that came without a space change.
constexpr ModifierRow kModifierRows[] = {
    {false, true, false, CanvasTool::ZoomOut},
    {false, true, true, std::nullopt},
    {true, true, false, std::nullopt},
    {true, true, true, std::nullopt},
    {true, false, false, CanvasTool::ZoomIn},
    {true, false, true, std::nullopt},
    {false, false, true, CanvasTool::Pan},
    {false, false, false, CanvasTool::ZoomIn},
};

std::optional<CanvasTool> BySpace(bool held, bool control, bool alt)
{
    for (const SpaceRow& row : kSpaceRows)
        if (row.held == held && row.control == control && row.alt == alt)
            return row.tool;
    return std::nullopt;
}

std::optional<CanvasTool> ByModifiers(bool control, bool alt, bool space)
{
    for (const ModifierRow& row : kModifierRows)
        if (row.control == control && row.alt == alt && row.space == space)
            return row.tool;
    return std::nullopt;
}

bool SpaceFrom(std::int32_t action, std::uint32_t modifiers, std::int32_t key, std::uint32_t hostModifiers)
{
    if ((hostModifiers & kInputSpace) != 0)
        return true;
    return action == kTrackSpaceDown || (action == kTrackKeyStroke && key == kTrackKeySpace) ||
           (modifiers & kInputSpace) != 0;
}

}  // namespace

ToolRouting::ToolRouting(ModifierKeys& lastModifiers) : m_lastModifiers(lastModifiers) {}

ToolRoute ToolRouting::Route(std::int32_t action, std::uint32_t modifiers, std::int32_t key, std::uint32_t hostModifiers)
{
    const std::uint32_t held = modifiers | hostModifiers;
    const ModifierKeys now{(held & kInputControl) != 0, (held & kInputAlt) != 0};
    const bool transition = now.control != m_lastModifiers.control || now.alt != m_lastModifiers.alt;
    m_lastModifiers = now;

    ToolRoute route;
    const bool space = SpaceFrom(action, modifiers, key, hostModifiers);
    const bool spaceChanged = space != m_spaceHeld;
    if (spaceChanged) {
        m_spaceHeld = space;
        route.bySpace = BySpace(space, now.control, now.alt);
    }
    for (const ActionRow& row : kActionRows)
        if (row.action == action) {
            route.operation = row.operation;
            route.byButton = row.select;
            break;
        }
    if (!spaceChanged && transition)
        route.byModifiers = ByModifiers(now.control, now.alt, space);
    return route;
}
