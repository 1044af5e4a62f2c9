#pragma once

#include "plugin/suites/SPTypes.h"
#include "viewer/model/JobCoordinates.h"

// What the viewer asks the host's document suite about its documents. Without the suite there is
// no current document, no document is open and none is RGB. Host UI thread only.
namespace HostDocument {

// Null when there is none or the host cannot say.
AIDocumentHandle Current();
bool IsOpen(AIDocumentHandle document);
// Whether the current document's colour model is RGB.
bool IsCurrentRgb();

// The current document's page in points: its size and the origin the host reports; zeros for
// what the host cannot say.
struct PageGeometry
{
    double width;
    double height;
    double originX;
    double originY;
};
PageGeometry CurrentPage();
// The job coordinates of that page (origin at its top-left corner, millimetres).
JobCoordinates CurrentPageCoordinates();

}  // namespace HostDocument
