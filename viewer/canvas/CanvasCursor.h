#pragma once

#include <cstdint>

class QWidget;

// The tools' mouse cursor on the canvas: one id for the whole process (-1 at start). A cursor is
// set only when the wanted id differs from it. Picture cursors are loaded for the canvas's device
// pixel ratio, their hot spots scaled by it; a picture that cannot be loaded leaves the cursor
// (and the id) as it was. Host UI thread.
class CanvasCursor
{
public:
    // The widget property holding the id (-1: none), which also tells the host's scripts which
    // widget the canvas is.
    static constexpr const char* kIdProperty = "_hueline_cursorid";

    static void Set(QWidget& canvas, std::int32_t id);
    // The id last set on a canvas; -1 before any.
    static std::int32_t CurrentId();
};
