#pragma once

// Platform-neutral rules of the focus traffic between the toolkit's widgets and the host's
// windows; the Qt and the Win32 embedding both follow them.

#include "plugin/suites/AIGeometry.h"

#include <Qt>

class QChildEvent;
class QObject;
class QWidget;

namespace qRVADM::internal {

// The reason of the Qt focus-in that a native focus arrival becomes: Mouse while a mouse button
// is down, otherwise Backtab with Shift held, otherwise Tab.
Qt::FocusReason FocusReasonForArrival(bool mouseButtonDown, bool shiftDown);

// Whether moving the focus forward (or backward) from the application's focus widget would leave
// the focusable widgets inside `container`: the focus widget is the last (first) of them. False
// when the focus lies outside `container`.
bool FocusLeavesContainer(const QWidget& container, bool forward);

// Gives the focus to the first (forward) or last focusable widget inside `container` with
// `reason` and marks it and its window as changed by the keyboard. False when there is none.
bool FocusContainerEdge(QWidget& container, bool forward, Qt::FocusReason reason);

// For a widget that watches the windows its children show (a modal child disables the panel):
// installs `watcher` as event filter on every widget child added; returns true when a widget
// child was removed.
bool WatchWidgetChild(QObject& watcher, const QChildEvent& event);

// A panel's screen position from its native window rectangle and the host's UI scale factor:
// left - round(s), top - round(32 * s).
AIPoint PanelScreenPosition(const AIRect& windowBounds, double uiScaleFactor);

} // namespace qRVADM::internal
