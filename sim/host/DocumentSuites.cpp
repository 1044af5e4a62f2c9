// "AI Document Suite", "AI Document View Suite" and "HostSim Document Access Suite".

#include "plugin/suites/AIDocumentSuite.h"
#include "plugin/suites/AIDocumentViewSuite.h"
#include "sim/host/Host.h"
#include "sim/host/HostSimDocumentAccessSuite.h"
#include "sim/host/HostSuites.h"

namespace hostsim {
namespace {

DocumentCenter& Documents()
{
    return Host::Current().Documents();
}

// Runs `read` on the current document; fails without one.
template <typename Read>
AIErr WithCurrent(Read read)
{
    const Document* current = Documents().Find(Documents().Current());
    if (!current)
        return NoDocumentError();
    read(*current);
    return kNoErr;
}

AIErr GetDocumentPageOrigin(AIRealPoint* origin)
{
    if (!origin)
        return BadParameterError();
    return WithCurrent([origin](const Document& document) { *origin = document.Content().page.origin; });
}

AIErr GetCurrentDocument(AIDocumentHandle* document)
{
    if (!document)
        return BadParameterError();
    *document = Documents().Current();
    return kNoErr;
}

AIErr GetDocumentPageSize(AIReal* width, AIReal* height)
{
    if (!width || !height)
        return BadParameterError();
    return WithCurrent([width, height](const Document& document) {
        *width = document.Content().page.width;
        *height = document.Content().page.height;
    });
}

AIErr IsDocumentOpen(AIDocumentHandle document, AIBoolean* open)
{
    if (!open)
        return BadParameterError();
    *open = document && Documents().Find(document) ? 1 : 0;
    return kNoErr;
}

AIErr GetDocumentColorModel(ASInt32* model)
{
    if (!model)
        return BadParameterError();
    return WithCurrent([model](const Document& document) { *model = static_cast<ASInt32>(document.Content().colorModel); });
}

AIErr GetDocumentViewBounds(AIDocumentViewHandle view, AIRealRect* bounds)
{
    const DocumentView* found = Documents().FindView(view);
    if (!found || !bounds)
        return BadParameterError();
    if (Documents().NoDocumentViewYet())
        return NoDocumentViewError();
    *bounds = found->Bounds();
    return kNoErr;
}

AIErr SetDocumentViewCenter(AIDocumentViewHandle view, const AIRealPoint* center)
{
    if (!center)
        return BadParameterError();
    const bool set = Documents().ChangeView(view, [center](DocumentView& found) { return found.SetCenter(*center); });
    return set ? kNoErr : BadParameterError();
}

AIErr GetDocumentViewZoom(AIDocumentViewHandle view, AIReal* zoom)
{
    const DocumentView* found = Documents().FindView(view);
    if (!found || !zoom)
        return BadParameterError();
    *zoom = found->Zoom();
    return kNoErr;
}

AIErr SetDocumentViewZoom(AIDocumentViewHandle view, AIReal zoom)
{
    const bool set = Documents().ChangeView(view, [zoom](DocumentView& found) { return found.SetZoom(zoom); });
    return set ? kNoErr : BadParameterError();
}

AIErr GetNthDocumentView(ASInt32 n, AIDocumentViewHandle* view)
{
    if (!view)
        return BadParameterError();
    *view = n == 0 ? Documents().FrontView() : nullptr;
    return *view ? kNoErr : NoDocumentViewError();
}

// Runs `read` on an open document when `out` is not null and `index` lies below `count`.
template <typename Out, typename Count, typename Read>
AIErr WithOpen(AIDocumentHandle document, Out* out, ASInt32 index, Count count, Read read)
{
    const Document* found = Documents().Find(document);
    if (!found || !out || index < 0 || static_cast<std::size_t>(index) >= count(found->Content()))
        return BadParameterError();
    *out = read(*found, static_cast<std::size_t>(index));
    return kNoErr;
}

HostSimPaint PaintOf(const std::vector<HostSimInkTint>& tints)
{
    return HostSimPaint{tints.data(), static_cast<ASInt32>(tints.size())};
}

AIErr GetDocumentInfo(AIDocumentHandle document, HostSimDocumentInfo* info)
{
    const Document* found = Documents().Find(document);
    if (!found || !info)
        return BadParameterError();
    const DocumentContent& content = found->Content();
    *info = HostSimDocumentInfo{found->Name().c_str(),
                                static_cast<ASInt32>(content.colorModel),
                                content.page.width,
                                content.page.height,
                                content.page.origin,
                                static_cast<ASInt32>(content.inks.size()),
                                static_cast<ASInt32>(content.artwork.size()),
                                found->Revision()};
    return kNoErr;
}

AIErr GetInk(AIDocumentHandle document, ASInt32 index, HostSimInk* ink)
{
    return WithOpen(document, ink, index, [](const DocumentContent& content) { return content.inks.size(); },
                    [](const Document& found, std::size_t i) {
                        const Ink& source = found.Content().inks[i];
                        return HostSimInk{source.name.c_str(),
                                          static_cast<AIBoolean>(source.process),
                                          static_cast<ASInt32>(source.space),
                                          {source.appearance[0], source.appearance[1], source.appearance[2]}};
                    });
}

AIErr GetArtwork(AIDocumentHandle document, ASInt32 index, HostSimArtwork* artwork)
{
    return WithOpen(document, artwork, index, [](const DocumentContent& content) { return content.artwork.size(); },
                    [](const Document& found, std::size_t i) {
                        const ArtworkItem& item = found.Content().artwork[i];
                        return HostSimArtwork{static_cast<ASInt32>(item.kind),
                                              item.bounds,
                                              item.points.data(),
                                              static_cast<ASInt32>(item.points.size()),
                                              static_cast<AIBoolean>(item.closed),
                                              item.baseline,
                                              item.fontSize,
                                              item.font.c_str(),
                                              item.text.c_str(),
                                              PaintOf(item.fill),
                                              item.strokeWidth,
                                              PaintOf(item.stroke)};
                    });
}

const AIDocumentSuite kDocument = {{}, GetDocumentPageOrigin, {}, GetCurrentDocument, {},
                                   GetDocumentPageSize, {}, IsDocumentOpen, {}, GetDocumentColorModel};
const AIDocumentViewSuite kDocumentView = {GetDocumentViewBounds, {}, SetDocumentViewCenter, GetDocumentViewZoom,
                                           SetDocumentViewZoom, {}, GetNthDocumentView};
const HostSimDocumentAccessSuite kDocumentAccess = {GetDocumentInfo, GetInk, GetArtwork};

}  // namespace

void RegisterDocumentSuites(SuiteRegistry& suites)
{
    suites.Add(kDocument);
    suites.Add(kDocumentView);
    suites.Add(kDocumentAccess);
}

}  // namespace hostsim
