#include "sim/app/ArtworkPainter.h"

#include "sim/app/PaintColour.h"
#include "sim/host/ArtworkOutline.h"
#include "sim/host/DocumentView.h"

#include <QPainter>
#include <QPainterPath>

namespace hostapp {
namespace {

// Glyph outlines are made at this size and scaled, so that text of any size and zoom keeps its
// shape (no hinting, no rounding to whole pixels).
constexpr int kOutlinePixelSize = 256;
const QColor kPageShadow(0, 0, 0, 60);

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
    const QPainterPath outline = hostsim::ArtworkOutline(static_cast<ASInt32>(item.kind), item.bounds, item.points.data(),
                                                        item.points.size(), item.closed);
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
