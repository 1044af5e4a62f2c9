#include "sim/app/ArtworkPainter.h"

#include "sim/app/PaintColour.h"
#include "sim/host/DocumentView.h"

#include <QPainter>
#include <QPainterPath>

namespace hostapp {
namespace {

// Glyph outlines are made at this size and scaled, so that text of any size and zoom keeps its
// shape (no hinting, no rounding to whole pixels).
constexpr int kOutlinePixelSize = 256;
const QColor kPageShadow(0, 0, 0, 60);

QPainterPath OutlineOf(const hostsim::ArtworkItem& item)
{
    QPainterPath path;
    const AIRealRect& b = item.bounds;
    switch (item.kind) {
    case hostsim::ArtworkKind::Rectangle:
        path.addRect(QRectF(QPointF(b.left, b.bottom), QPointF(b.right, b.top)));
        break;
    case hostsim::ArtworkKind::Ellipse:
        path.addEllipse(QRectF(QPointF(b.left, b.bottom), QPointF(b.right, b.top)));
        break;
    case hostsim::ArtworkKind::Path:
        for (std::size_t i = 0; i < item.points.size(); ++i) {
            const QPointF corner(item.points[i].h, item.points[i].v);
            if (i == 0)
                path.moveTo(corner);
            else
                path.lineTo(corner);
        }
        if (item.closed)
            path.closeSubpath();
        break;
    case hostsim::ArtworkKind::Text:
        break;
    }
    return path;
}

}  // namespace

QTransform ArtworkToWindow(const hostsim::DocumentView& view)
{
    const AIRealRect visible = view.Bounds();
    const double zoom = view.Zoom();
    return QTransform(zoom, 0.0, 0.0, -zoom, -visible.left * zoom, visible.top * zoom);
}

ArtworkPainter::ArtworkPainter(const hostsim::DocumentContent& content)
    : m_content(content)
{
}

void ArtworkPainter::PaintPage(QPainter& painter) const
{
    const hostsim::Page& page = m_content.page;
    const QRectF sheet(-page.origin.h, -page.origin.v, page.width, page.height);
    // The shadow keeps its size in window pixels whatever the zoom.
    const double shadow = 3.0 / painter.transform().m11();
    painter.fillRect(sheet.translated(shadow, -shadow), kPageShadow);
    painter.fillRect(sheet, Qt::white);
}

void ArtworkPainter::PaintArtwork(QPainter& painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const hostsim::ArtworkItem& item : m_content.artwork)
        PaintItem(painter, item);
    painter.restore();
}

void ArtworkPainter::PaintItem(QPainter& painter, const hostsim::ArtworkItem& item) const
{
    if (item.kind == hostsim::ArtworkKind::Text) {
        PaintText(painter, item);
        return;
    }
    const QPainterPath outline = OutlineOf(item);
    if (!item.fill.empty())
        painter.fillPath(outline, PaintColour(m_content, item.fill));
    if (!item.stroke.empty()) {
        QPen pen(PaintColour(m_content, item.stroke), item.strokeWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.strokePath(outline, pen);
    }
}

void ArtworkPainter::PaintText(QPainter& painter, const hostsim::ArtworkItem& item) const
{
    QFont font(QString::fromStdString(item.font));
    font.setPixelSize(kOutlinePixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath glyphs;
    glyphs.addText(0.0, 0.0, font, QString::fromStdString(item.text));

    const double scale = item.fontSize / kOutlinePixelSize;
    painter.save();
    painter.translate(item.baseline.h, item.baseline.v);
    painter.scale(scale, -scale);  // glyph outlines have y downwards
    painter.fillPath(glyphs, PaintColour(m_content, item.fill));
    painter.restore();
}

}  // namespace hostapp
