#pragma once

// How a non-modal dialog's widget is hosted in a host panel's platform window; one implementation
// per platform.

#include "plugin/suites/SPTypes.h"

#include <QSize>

#include <memory>

class QWidget;

namespace qRVADM::internal {

// Puts `dialog` into the panel's platform window `window` and shows it. Returns the native host
// widget that holds it when one is needed (the caller owns it and deletes it after unparenting
// the dialog), else null.
std::unique_ptr<QWidget> EmbedInPanel(QWidget& dialog, AIWindowRef window);

// The size, in logical pixels of `dialog`, of the panel's content area.
QSize PanelContentSize(AIWindowRef window, const QWidget& dialog);

} // namespace qRVADM::internal
