#pragma once

#include "plugin/suites/SPTypes.h"

class QWidget;

namespace qRVADM {

// Keyboard focus and activation across the boundary between the toolkit's widgets and the host's
// windows. Host UI thread only.
class RVADM_HostFocus
{
public:
    // The host's main window from the host's "AI Context Suite"; null without the suite.
    static AIWindowRef GetHostWindow();
    // Gives the keyboard focus to the host's main window, where its documents are; nothing
    // without one.
    static void ReturnFocusToHost();
    // Brings the top-level window of `widget` to the front and activates it. Unless `force`,
    // nothing happens when that window is already in front.
    static void ActivateWidgetWindow(QWidget* widget, bool force);
};

} // namespace qRVADM
