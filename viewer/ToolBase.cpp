#include "viewer/ToolBase.h"

#include "toolkit/RVADM_Pictures.h"
#include "toolkit/RVADM_Tracker.h"
#include "viewer/CanvasViewListener.h"
#include "viewer/JobViewFrame.h"
#include "viewer/TrackingOverlay.h"

#include <QCursor>
#include <QPixmap>

#include <optional>

namespace {

struct PictureCursor
{
    std::int32_t id;
    int hotX;  // logical pixels
    int hotY;
};

constexpr PictureCursor kPictureCursors[] = {
    {ToolBase::kZoomInCursor, 8, 8},
    {ToolBase::kZoomOutCursor, 8, 8},
    {ToolBase::kPanCursor, 11, 11},
};

constexpr int kFollowHostTheme = 0;

std::int32_t g_cursorId = -1;

// Null when `id` names no picture cursor or its picture cannot be loaded.
std::optional<QCursor> MakeCursor(std::int32_t id, double ratio)
{
    if (id == ToolBase::kArrowCursor)
        return QCursor(Qt::ArrowCursor);
    for (const PictureCursor& cursor : kPictureCursors) {
        if (cursor.id != id)
            continue;
        const QPixmap picture = qRVADM::LoadPicture(id, ratio, kFollowHostTheme);
        if (picture.isNull())
            return std::nullopt;
        return QCursor(picture, static_cast<int>(cursor.hotX * ratio), static_cast<int>(cursor.hotY * ratio));
    }
    return std::nullopt;
}

}  // namespace

ToolBase::ToolBase(JobViewFrame& canvas) : m_canvas(canvas) {}

void ToolBase::Deactivate() {}

std::int32_t ToolBase::CurrentCursorId()
{
    return g_cursorId;
}

void ToolBase::SetCursorId(std::int32_t id)
{
    if (id == g_cursorId)
        return;
    if (const std::optional<QCursor> cursor = MakeCursor(id, m_canvas.devicePixelRatioF())) {
        m_canvas.setCursor(*cursor);
        m_canvas.setProperty(JobViewFrame::kCursorIdProperty, id);
        g_cursorId = id;
    }
}

void ToolBase::ReportViewChange(bool zoomChanged)
{
    CanvasViewListener* listener = m_canvas.GetViewListener();
    if (listener == nullptr)
        return;
    if (zoomChanged)
        listener->ShowZoom(m_canvas.GetZoom());
    listener->PushViewToHost();
}

QPoint ToolBase::PointOf(const qRVADM::RVADM_Tracker& tracker)
{
    return tracker.GetPoint().ToQPoint();
}

JobPoint ToolBase::JobAt(const QPoint& pixel) const
{
    return m_canvas.PixelToJob(PixelPoint{static_cast<double>(pixel.x()), static_cast<double>(pixel.y())});
}

void ToolBase::Drag::Begin(const QPoint& point)
{
    start = point;
    dragging = true;
}

void ToolBase::Drag::Follow(const QPoint& point)
{
    if (!dragging)
        Begin(point);
}

void ToolBase::ShowBand(Band band, const QPoint& from, const QPoint& to)
{
    TrackingOverlay& overlay = m_canvas.Overlay();
    overlay.StartFrame();
    if (band == Band::Rectangle)
        overlay.AddRect(from, to);
    else
        overlay.AddLine(from, to);
    overlay.Flush();
}

void ToolBase::EraseBand()
{
    TrackingOverlay& overlay = m_canvas.Overlay();
    overlay.StartFrame();
    overlay.Flush();
}
