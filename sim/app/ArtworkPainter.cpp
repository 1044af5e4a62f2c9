#include "sim/app/ArtworkPainter.h"

#include "sim/app/PaintColour.h"
#include "sim/host/ArtworkOutline.h"
#include "sim/host/DocumentView.h"

#include <QPainter>

#include <map>
#include <string>
#include <utility>

namespace hostapp {
namespace {

// Glyph outlines are made at this size and scaled, so that text of any size and zoom keeps its
// shape (no hinting, no rounding to whole pixels).
constexpr int kOutlinePixelSize = 256;
const QColor kPageShadow(0, 0, 0, 60);

// Glyph outlines by font and text: made once per document revision, shared by equal text items.
class GlyphOutlines
{
public:
    const QPainterPath& Of(const hostsim::ArtworkItem& item)
    {
        auto [at, made] = m_outlines.try_emplace({item.font, item.text});
        if (made) {
            QFont font(QString::fromStdString(item.font));
            font.setPixelSize(kOutlinePixelSize);
            font.setHintingPreference(QFont::PreferNoHinting);
            at->second.addText(0.0, 0.0, font, QString::fromStdString(item.text));
        }
        return at->second;
    }

private:
    std::map<std::pair<std::string, std::string>, QPainterPath> m_outlines;
};

// Like QRectF::intersects, but a rectangle without width or height (a level hairline's) counts.
bool Meets(const QRectF& a, const QRectF& b)
{
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() && b.top() <= a.bottom();
}

}  // namespace

QTransform ArtworkToWindow(const hostsim::DocumentView& view)
{
    const AIRealRect visible = view.Bounds();
    const double zoom = view.Zoom();
    return QTransform(zoom, 0.0, 0.0, -zoom, -visible.left * zoom, visible.top * zoom);
}

ArtworkPainter::ArtworkPainter(const hostsim::DocumentContent& content)
    : m_page(content.page)
{
    GlyphOutlines glyphs;
    m_shapes.reserve(content.artwork.size());
    for (const hostsim::ArtworkItem& item : content.artwork) {
        Shape shape;
        if (!item.fill.empty())
            shape.fill = PaintColour(content, item.fill);
        if (item.kind == hostsim::ArtworkKind::Text) {
            shape.outline = glyphs.Of(item);
            shape.baseline = QPointF(item.baseline.h, item.baseline.v);
            shape.textScale = item.fontSize / kOutlinePixelSize;
            const QTransform toArtwork = QTransform::fromTranslate(item.baseline.h, item.baseline.v)
                                             .scale(shape.textScale, -shape.textScale);
            shape.bounds = toArtwork.mapRect(shape.outline.controlPointRect());
        } else {
            shape.outline = hostsim::ArtworkOutline(static_cast<ASInt32>(item.kind), item.bounds, item.points.data(),
                                                    item.points.size(), item.closed);
            shape.bounds = shape.outline.controlPointRect();
        }
        if (!item.stroke.empty()) {
            shape.stroke = PaintColour(content, item.stroke);
            shape.strokeWidth = item.strokeWidth;
            // Miter joins (limit 2) and square caps reach at most one stroke width past the outline.
            shape.bounds.adjust(-item.strokeWidth, -item.strokeWidth, item.strokeWidth, item.strokeWidth);
        }
        m_shapes.push_back(std::move(shape));
    }
}

void ArtworkPainter::PaintPage(QPainter& painter) const
{
    const QRectF sheet(-m_page.origin.h, -m_page.origin.v, m_page.width, m_page.height);
    // The shadow keeps its size in window pixels whatever the zoom.
    const double shadow = 3.0 / painter.transform().m11();
    painter.fillRect(sheet.translated(shadow, -shadow), kPageShadow);
    painter.fillRect(sheet, Qt::white);
}

std::size_t ArtworkPainter::PaintArtwork(QPainter& painter, const QRectF& area) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    std::size_t painted = 0;
    for (const Shape& shape : m_shapes) {
        if (!Meets(shape.bounds, area))
            continue;
        PaintShape(painter, shape);
        ++painted;
    }
    painter.restore();
    return painted;
}

void ArtworkPainter::PaintShape(QPainter& painter, const Shape& shape) const
{
    if (shape.textScale > 0.0) {
        painter.save();
        painter.translate(shape.baseline);
        painter.scale(shape.textScale, -shape.textScale);  // glyph outlines have y downwards
        painter.fillPath(shape.outline, shape.fill);
        painter.restore();
        return;
    }
    if (shape.fill.isValid())
        painter.fillPath(shape.outline, shape.fill);
    if (shape.stroke.isValid()) {
        QPen pen(shape.stroke, shape.strokeWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.strokePath(shape.outline, pen);
    }
}

}  // namespace hostapp
