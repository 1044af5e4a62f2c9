#include "sim/app/DocumentWidget.h"

#include "sim/app/ArtworkPainter.h"
#include "sim/app/BandPainting.h"
#include "sim/host/Host.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace hostapp {
namespace {

// One wheel notch with Control held zooms by this factor.
constexpr double kWheelZoomStep = 1.25;
constexpr double kWheelNotch = 120.0;

// Fit Page gives the page this fraction of the window, leaving a margin around it.
constexpr double kFitFill = 0.92;

// How far beyond the page (and the visible area) the scroll bars reach, in window sizes.
constexpr double kScrollMargin = 0.5;

// A repaint of this many items or more is shared between two threads; fewer paint sooner than a
// thread starts.
constexpr std::size_t kBandedItems = 256;

// Items this many window pixels outside the area painted are painted too: antialiased edges reach
// into the pixels beside an item's bounds.
constexpr double kPaintMargin = 2.0;

int Pixels(double value)
{
    return static_cast<int>(std::lround(value));
}

bool FitWithMargin(hostsim::DocumentView& view, const hostsim::Page& page)
{
    view.FitPage(page);
    return view.SetZoom(view.Zoom() * kFitFill);
}

}  // namespace

bool DocumentWidget::Snapshot::operator==(const Snapshot& other) const
{
    return center.h == other.center.h && center.v == other.center.v && zoom == other.zoom &&
           width == other.width && height == other.height && revision == other.revision;
}

DocumentWidget::DocumentWidget(hostsim::Host& host, AIDocumentHandle document, QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_host(host)
    , m_document(document)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

DocumentWidget::~DocumentWidget() = default;

const hostsim::DocumentView* DocumentWidget::View() const
{
    const hostsim::Document* document = m_host.Documents().Find(m_document);
    return document ? &document->View() : nullptr;
}

bool DocumentWidget::Change(const std::function<bool(hostsim::DocumentView&)>& change)
{
    const bool changed = m_host.Documents().ChangeView(m_host.Documents().ViewOf(m_document), change);
    Refresh();
    return changed;
}

bool DocumentWidget::ZoomTo(double zoom)
{
    m_keepFitted = false;
    return Change([zoom](hostsim::DocumentView& view) { return view.SetZoom(zoom); });
}

bool DocumentWidget::ZoomAtPixel(double zoom, const QPointF& pixel)
{
    const hostsim::DocumentView* view = View();
    if (!view)
        return false;
    const QPointF anchor = ArtworkToWindow(*view).inverted().map(pixel);
    m_keepFitted = false;
    return Change([zoom, anchor](hostsim::DocumentView& v) { return v.ZoomAt(zoom, AIRealPoint{anchor.x(), anchor.y()}); });
}

bool DocumentWidget::FitPage()
{
    const hostsim::Document* document = m_host.Documents().Find(m_document);
    if (!document)
        return false;
    m_keepFitted = true;
    const hostsim::Page page = document->Content().page;
    return Change([page](hostsim::DocumentView& view) { return FitWithMargin(view, page); });
}

bool DocumentWidget::ScrollBy(double dx, double dy)
{
    m_keepFitted = false;
    return Change([dx, dy](hostsim::DocumentView& view) { return view.ScrollBy(dx, dy); });
}

DocumentWidget::Snapshot DocumentWidget::Take() const
{
    const hostsim::Document* document = m_host.Documents().Find(m_document);
    if (!document)
        return Snapshot{};
    const hostsim::DocumentView& view = document->View();
    return Snapshot{view.Center(), view.Zoom(), view.Width(), view.Height(), document->Revision()};
}

void DocumentWidget::Refresh()
{
    const Snapshot now = Take();
    if (now == m_shown)
        return;
    m_shown = now;
    SyncScrollBars();
    viewport()->update();
}

void DocumentWidget::SyncScrollBars()
{
    const hostsim::Document* document = m_host.Documents().Find(m_document);
    if (!document)
        return;
    const hostsim::DocumentView& view = document->View();
    const hostsim::Page& page = document->Content().page;
    const AIRealRect visible = view.Bounds();
    const double marginH = (visible.right - visible.left) * kScrollMargin;
    const double marginV = (visible.top - visible.bottom) * kScrollMargin;
    const double left = std::min(-page.origin.h - marginH, visible.left);
    const double right = std::max(page.width - page.origin.h + marginH, visible.right);
    const double top = std::max(page.height - page.origin.v + marginV, visible.top);
    const double bottom = std::min(-page.origin.v - marginV, visible.bottom);
    const double zoom = view.Zoom();

    m_syncing = true;
    horizontalScrollBar()->setRange(0, Pixels((right - left) * zoom - view.Width()));
    horizontalScrollBar()->setPageStep(Pixels(view.Width()));
    horizontalScrollBar()->setValue(Pixels((visible.left - left) * zoom));
    verticalScrollBar()->setRange(0, Pixels((top - bottom) * zoom - view.Height()));
    verticalScrollBar()->setPageStep(Pixels(view.Height()));
    verticalScrollBar()->setValue(Pixels((top - visible.top) * zoom));
    m_syncing = false;
}

const ArtworkPainter& DocumentWidget::ArtworkOf(const hostsim::Document& document, int band)
{
    if (m_artworkRevision != document.Revision()) {
        m_artwork[0].reset();
        m_artwork[1].reset();
        m_artworkRevision = document.Revision();
    }
    std::unique_ptr<ArtworkPainter>& artwork = m_artwork[band];
    if (!artwork)
        artwork = std::make_unique<ArtworkPainter>(document.Content());
    return *artwork;
}

void DocumentWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QColor pasteboard = palette().color(QPalette::Mid);
    const hostsim::Document* document = m_host.Documents().Find(m_document);
    if (!document) {
        painter.fillRect(viewport()->rect(), pasteboard);
        return;
    }
    const ArtworkPainter& artwork = ArtworkOf(*document, 0);
    const QTransform toWindow = ArtworkToWindow(document->View());
    painter.setTransform(toWindow);
    artwork.PaintPage(painter, viewport()->rect(), pasteboard);
    const QTransform toArtwork = toWindow.inverted();
    const auto areaOf = [&toArtwork](const QRect& rect) {
        return toArtwork.mapRect(QRectF(rect).adjusted(-kPaintMargin, -kPaintMargin, kPaintMargin, kPaintMargin));
    };
    const BandPainting bands(painter, event->region());
    if (artwork.ItemsMeeting(areaOf(event->rect())) < kBandedItems || !bands.Possible()) {
        artwork.PaintArtwork(painter, areaOf(event->rect()));
        return;
    }
    const ArtworkPainter* painters[2] = {&artwork, &ArtworkOf(*document, 1)};
    bands.Run(event->rect().center().y(), [&](QPainter& band, int index, const QRect& rows) {
        painters[index]->PaintArtwork(band, areaOf(event->rect()), areaOf(rows));
    });
}

void DocumentWidget::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    const QSize size = viewport()->size();
    if (size.isEmpty())
        return;
    const hostsim::Document* document = m_host.Documents().Find(m_document);
    if (!document)
        return;
    const hostsim::Page page = document->Content().page;
    const bool fit = m_keepFitted;
    const double scale = devicePixelRatioF();
    Change([=](hostsim::DocumentView& view) {
        const bool resized = view.Resize(size.width(), size.height()) && view.SetScaleFactor(scale);
        return resized && (!fit || FitWithMargin(view, page));
    });
}

void DocumentWidget::wheelEvent(QWheelEvent* event)
{
    const hostsim::DocumentView* view = View();
    if (!(event->modifiers() & Qt::ControlModifier) || !view) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const double notches = event->angleDelta().y() / kWheelNotch;
    ZoomAtPixel(view->Zoom() * std::pow(kWheelZoomStep, notches), event->position());
    event->accept();
}

void DocumentWidget::scrollContentsBy(int dx, int dy)
{
    if (!m_syncing)
        ScrollBy(-dx, -dy);
}

}  // namespace hostapp
