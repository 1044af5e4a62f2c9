#pragma once

#include "plugin/suites/SPTypes.h"

// What the viewer asks the host's document suite about its documents. Without the suite there is
// no current document, no document is open and none is RGB. Host UI thread only.
namespace HostDocument {

// Null when there is none or the host cannot say.
AIDocumentHandle Current();
bool IsOpen(AIDocumentHandle document);
// Whether the current document's colour model is RGB.
bool IsCurrentRgb();

}  // namespace HostDocument
