#pragma once

// Shows the wait cursor over the whole application for the lifetime of the guard: the
// application's override cursor is set at construction and restored at destruction. Guards nest.
// Needs a QGuiApplication; host UI thread.
class WaitCursorScope
{
public:
    WaitCursorScope();
    ~WaitCursorScope();
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;
};
