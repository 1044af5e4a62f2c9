#pragma once

#include <cstdint>
#include <optional>

// The canvas's three tools; the zoom-in tool is the base tool, current whenever no temporary
// switch is in force.
enum class CanvasTool
{
    ZoomIn,
    ZoomOut,
    Pan,
};

// What a tool is asked to do with a tracker.
enum class ToolOperation
{
    None,
    MouseDown,
    MouseUp,
    MouseDrag,
    MouseMove,
};

// Control and Alt as the routing saw them last.
struct ModifierKeys
{
    bool control = false;
    bool alt = false;
};

// What one tracker does, carried out in this order: select `bySpace`, run `operation` on the
// current tool, select `byButton`, select `byModifiers`. An empty choice leaves the tool.
struct ToolRoute
{
    std::optional<CanvasTool> bySpace;
    ToolOperation operation = ToolOperation::None;
    std::optional<CanvasTool> byButton;
    std::optional<CanvasTool> byModifiers;
};

// The canvas's input routing, free of widgets: which tool a tracker (action, input-state bits,
// key code) reaches and which tool is current afterwards.
//
// States: the space bar held or released (per canvas) and the last Control/Alt pair (shared by
// every canvas of the process, hence held by reference).
// - A change of the space bar chooses by the space table: held with Control = zoom in, held with
//   Control and Alt = zoom out, held alone = pan, released alone = base tool; otherwise the tool
//   stays.
// - Buttons: a left press or double click is a MouseDown, a right press switches to the zoom-out
//   tool instead, a right release is a MouseUp followed by the base tool, the middle button does
//   nothing; moves are drags with the left button held, else moves.
// - Without a space change, a Control or Alt transition makes the tool follow the keys held (the
//   modifier table), except that with space held Control and Alt change nothing.
// The host's modifier bits (Control 64, Alt 128, space 512) count as if held in the canvas.
class ToolRouting
{
public:
    explicit ToolRouting(ModifierKeys& lastModifiers);

    ToolRoute Route(std::int32_t action, std::uint32_t modifiers, std::int32_t key, std::uint32_t hostModifiers);
    bool IsSpaceHeld() const { return m_spaceHeld; }

private:
    ModifierKeys& m_lastModifiers;
    bool m_spaceHeld = false;
};
