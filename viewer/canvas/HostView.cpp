#include "viewer/canvas/HostView.h"

#include "plugin/HostSuites.h"
#include "plugin/suites/AIDocumentViewSuite.h"

namespace HostView {

namespace {

const AIDocumentViewSuite* Views()
{
    return HostSuite<AIDocumentViewSuite>();
}

}  // namespace

AIDocumentViewHandle Front()
{
    AIDocumentViewHandle view = nullptr;
    if (Views() == nullptr || Views()->GetNthDocumentView(0, &view) != kNoErr)
        return nullptr;
    return view;
}

std::optional<ArtworkRect> Bounds(AIDocumentViewHandle view)
{
    AIRealRect bounds{};
    if (view == nullptr || Views() == nullptr || Views()->GetDocumentViewBounds(view, &bounds) != kNoErr)
        return std::nullopt;
    return ArtworkRect{bounds.left, bounds.top, bounds.right, bounds.bottom};
}

std::optional<double> Zoom(AIDocumentViewHandle view)
{
    AIReal zoom = 0.0;
    if (view == nullptr || Views() == nullptr || Views()->GetDocumentViewZoom(view, &zoom) != kNoErr)
        return std::nullopt;
    return zoom;
}

bool SetCenter(AIDocumentViewHandle view, const ArtworkPoint& center)
{
    const AIRealPoint point{center.x, center.y};
    return view != nullptr && Views() != nullptr && Views()->SetDocumentViewCenter(view, &point) == kNoErr;
}

bool SetZoom(AIDocumentViewHandle view, double zoom)
{
    return view != nullptr && Views() != nullptr && Views()->SetDocumentViewZoom(view, zoom) == kNoErr;
}

}  // namespace HostView
