#pragma once

#include "plugin/suites/AIGeometry.h"
#include "plugin/suites/SPTypes.h"

class QWidget;

namespace qRVADM {

// Keyboard focus and activation across the boundary between the toolkit's widgets and the host's
// windows; the one place the toolkit hands the focus to the host. On Windows the host's windows
// are native windows; elsewhere the host shows its documents and panels in Qt widgets. Host UI
// thread only.
class RVADM_HostFocus
{
public:
    // The host's main window from the host's "AI Context Suite"; null without the suite.
    static AIWindowRef GetHostWindow();
    // Gives the keyboard focus to the host's main window, where its documents are; nothing
    // without one.
    static void ReturnFocusToHost();
    // Brings the top-level window of `widget` to the front and activates it. Unless `force`,
    // nothing happens when that window is already in front. Nothing for null.
    static void ActivateWidgetWindow(QWidget* widget, bool force);
    // Where the host has `panel` on the screen (see internal::PanelScreenPosition); false without
    // the panel suite or when the host cannot tell.
    static bool GetPanelScreenPosition(AIPanelRef panel, AIPoint& position);
};

} // namespace qRVADM
