#include "viewer/canvas/JobViewFrame.h"

#include "plugin/EngineSuites.h"
#include "plugin/HostSuites.h"
#include "plugin/suites/AIDocumentViewSuite.h"
#include "plugin/suites/AIUserSuite.h"
#include "toolkit/IADMDrawer.h"
#include "toolkit/RVADM_Tracker.h"
#include "viewer/canvas/CanvasViewListener.h"
#include "viewer/canvas/HostDocument.h"
#include "viewer/model/PanTool.h"
#include "viewer/model/ZoomInTool.h"
#include "viewer/model/ZoomOutTool.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>

#include <optional>

namespace {

// The host's scale factor for its first document view; none when the host has no view.
std::optional<double> HostViewScale()
{
    const AIDocumentViewSuite* views = HostSuite<AIDocumentViewSuite>();
    const AIUserSuite* user = HostSuite<AIUserSuite>();
    AIDocumentViewHandle view = nullptr;
    if (views == nullptr || user == nullptr || views->GetNthDocumentView(0, &view) != kNoErr || view == nullptr)
        return std::nullopt;
    return user->GetDocumentViewScaleFactor(view);
}

// Control and Alt as last routed, one pair for every canvas of the process.
ModifierKeys& ProcessModifierKeys()
{
    static ModifierKeys keys;
    return keys;
}

constexpr int kDrawingColour = 1;

QPoint PointOf(const ToolPixel& pixel)
{
    return QPoint(pixel.x, pixel.y);
}

}  // namespace

JobViewFrame::JobViewFrame(qRVADM::RVADM_ItemParent* parent)
    : RVADM_CustomItem(parent)
    , m_tools{std::make_unique<ZoomInTool>(m_geometry), std::make_unique<ZoomOutTool>(m_geometry),
              std::make_unique<PanTool>(m_geometry)}
    , m_routing(ProcessModifierKeys())
{
    setProperty(kCursorIdProperty, -1);
    Enable(false);
}

JobViewFrame::~JobViewFrame() = default;

void JobViewFrame::SetJobDocument(AIDocumentHandle document)
{
    m_jobDocument = document;
    Enable(document != nullptr);
    Invalidate();
}

bool JobViewFrame::SetViewRect(const JobRect& rect)
{
    RefreshZoomCorrection();
    return m_geometry.SetViewRect(rect);
}

bool JobViewFrame::ShowRect(const JobRect& rect)
{
    return InvalidateIf(SetViewRect(rect));
}

double JobViewFrame::GetZoom()
{
    RefreshZoomCorrection();
    return m_geometry.GetZoom();
}

bool JobViewFrame::SetZoom(double factor)
{
    RefreshZoomCorrection();
    return m_geometry.SetZoom(factor);
}

bool JobViewFrame::Pan(double dx, double dy)
{
    return InvalidateIf(m_geometry.Pan(dx, dy));
}

void JobViewFrame::KeepZoomOnResize()
{
    RefreshZoomCorrection();
    m_geometry.SetCanvasSize(width(), height());
    m_geometry.KeepZoomOnResize();
}

void JobViewFrame::Invalidate()
{
    m_cache.Drop();
    RVADM_CustomItem::Invalidate();
}

void JobViewFrame::Draw(qRVADM::IADMDrawer& drawer)
{
    if (!ShowsJobDocument()) {
        RVADM_CustomItem::Draw(drawer);
        return;
    }
    const HLKilnSuite* kiln = EngineSuitePointers().kiln;
    if (kiln != nullptr && !m_overlay.IsOverlayOnlyPaint()) {
        const QImage& image = m_cache.Bring(*kiln, DeviceRect(), m_geometry.ViewRect());
        if (!image.isNull())
            drawer.GetPainter().drawImage(rect(), image);
    }
    m_overlay.Draw(drawer.GetPainter(), drawer.GetColor(kDrawingColour));
}

bool JobViewFrame::Track(qRVADM::RVADM_Tracker tracker)
{
    const ToolRoute route =
        m_routing.Route(tracker.GetAction(), tracker.GetModifiers(), tracker.GetKey(), m_hostModifiers);
    if (route.bySpace)
        SelectTool(*route.bySpace, &tracker);
    Apply(RunOperation(route.operation, tracker.GetRecord()));
    if (route.byButton)
        SelectTool(*route.byButton, &tracker);
    if (route.byModifiers)
        SelectTool(*route.byModifiers, &tracker);
    return true;
}

void JobViewFrame::SelectTool(CanvasTool tool, const qRVADM::RVADM_Tracker* tracker)
{
    m_currentTool = tool;
    for (const std::unique_ptr<ToolBase>& other : m_tools)
        if (other.get() != &Tool(tool))
            other->Deactivate();
    Apply(Tool(tool).Activate(tracker != nullptr ? &tracker->GetRecord() : nullptr));
}

void JobViewFrame::SetHostModifiers(std::uint32_t bits)
{
    m_hostModifiers = bits;
    const bool leftDown = (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0;
    Track(qRVADM::RVADM_Tracker(leftDown ? qRVADM::kTrackDragLeft : qRVADM::kTrackMove, bits, 0,
                                qRVADM::RVADM_Point::FromQPoint(mapFromGlobal(QCursor::pos()))));
}

ToolBase& JobViewFrame::Tool(CanvasTool tool) const
{
    return *m_tools[static_cast<std::size_t>(tool)];
}

ToolIntent JobViewFrame::RunOperation(ToolOperation operation, const qRVADM::TrackerRecord& tracker)
{
    ToolBase& tool = Tool(m_currentTool);
    switch (operation) {
    case ToolOperation::MouseDown:
        return tool.MouseDown(tracker);
    case ToolOperation::MouseUp:
        return tool.MouseUp(tracker);
    case ToolOperation::MouseDrag:
        return tool.MouseDrag(tracker);
    case ToolOperation::MouseMove:
        return tool.MouseMove(tracker);
    case ToolOperation::None:
        break;
    }
    return {};
}

void JobViewFrame::Apply(const ToolIntent& intent)
{
    DrawBand(intent);
    if (intent.view != ToolIntent::View::Keep) {
        ChangeView(intent);
        if (m_viewListener != nullptr) {
            if (intent.ChangesZoom())
                m_viewListener->ShowZoom(GetZoom());
            m_viewListener->PushViewToHost();
        }
    }
    if (intent.cursor)
        CanvasCursor::Set(*this, *intent.cursor);
}

void JobViewFrame::DrawBand(const ToolIntent& intent)
{
    if (intent.band == ToolIntent::Band::Keep)
        return;
    m_overlay.StartFrame();
    if (intent.band == ToolIntent::Band::Rectangle)
        m_overlay.AddRect(PointOf(intent.from), PointOf(intent.to));
    else if (intent.band == ToolIntent::Band::Line)
        m_overlay.AddLine(PointOf(intent.from), PointOf(intent.to));
    m_overlay.Flush();
}

// Refused input changes nothing, so nothing is repainted.
bool JobViewFrame::ChangeView(const ToolIntent& intent)
{
    if (intent.ChangesZoom())
        RefreshZoomCorrection();
    switch (intent.view) {
    case ToolIntent::View::ZoomInAt:
        return InvalidateIf(m_geometry.ZoomInAt(intent.point));
    case ToolIntent::View::ZoomOutAt:
        return InvalidateIf(m_geometry.ZoomOutAt(intent.point));
    case ToolIntent::View::ShowRect:
        return InvalidateIf(m_geometry.SetViewRect(intent.rect));
    case ToolIntent::View::Pan:
        return InvalidateIf(m_geometry.Pan(intent.dx, intent.dy));
    case ToolIntent::View::Keep:
        break;
    }
    return false;
}

bool JobViewFrame::InvalidateIf(bool viewChanged)
{
    if (viewChanged)
        Invalidate();
    return viewChanged;
}

void JobViewFrame::RefreshZoomCorrection()
{
    m_geometry.SetDevicePixelRatio(devicePixelRatioF());
    m_geometry.SetHostViewScale(HostViewScale());
}

bool JobViewFrame::ShowsJobDocument() const
{
    return m_jobDocument != nullptr && HostDocument::Current() == m_jobDocument;
}

QRect JobViewFrame::DeviceRect() const
{
    const double ratio = devicePixelRatioF();
    return QRect(0, 0, static_cast<int>(width() * ratio), static_cast<int>(height() * ratio));
}
