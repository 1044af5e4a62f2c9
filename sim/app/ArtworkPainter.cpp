#include "sim/app/ArtworkPainter.h"

#include "sim/app/OutlineCut.h"
#include "sim/app/PaintColour.h"
#include "sim/app/ShapeGrid.h"
#include "sim/app/TileCover.h"
#include "sim/host/ArtworkOutline.h"
#include "sim/host/DocumentView.h"

#include <QPainter>
#include <QRegion>

#include <cmath>
#include <map>
#include <string>
#include <utility>

namespace hostapp {
namespace {

// Glyph outlines are made at this size and scaled, so that text of any size and zoom keeps its
// shape (no hinting, no rounding to whole pixels).
constexpr int kOutlinePixelSize = 256;
const QColor kPageShadow(0, 0, 0, 60);
// How far a stroke reaches from its outline, in stroke widths: a mitre is cut off two widths
// along the edge from its corner on the stroke's side, half a width from the outline
// (sqrt(2 * 2 + 0.5 * 0.5) = 2.06); a square cap reaches less.
constexpr double kStrokeReach = 2.07;
// Shapes larger than this in device pixels are given to the painter in device pixels, cut to the
// area painted: Qt flattens curves far more finely than a pixel when its transform scales them up.
constexpr double kLargeShape = 64.0;

// The closed figures of `path`, each a path of its own with the path's fill rule.
std::vector<QPainterPath> Contours(const QPainterPath& path)
{
    std::vector<QPainterPath> contours;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        if (element.isMoveTo() || contours.empty()) {
            contours.emplace_back();
            contours.back().setFillRule(path.fillRule());
            contours.back().moveTo(element);
        } else if (element.isLineTo()) {
            contours.back().lineTo(element);
        } else if (element.isCurveTo() && i + 2 < path.elementCount()) {
            contours.back().cubicTo(element, path.elementAt(i + 1), path.elementAt(i + 2));
            i += 2;
        }
    }
    return contours;
}

// `path` in pieces whose control-point rectangles do not meet, so that each piece fills alone as
// it does within the whole: a glyph with its holes stays one piece. The rasteriser's work for one
// path grows far faster than its width, so a line of text filled glyph by glyph costs a fraction
// of the line filled at once.
std::vector<QPainterPath> Apart(const QPainterPath& path)
{
    std::vector<QPainterPath> pieces;
    for (QPainterPath& piece : Contours(path)) {
        for (auto met = pieces.begin(); met != pieces.end();) {
            if (!ShapeGrid::Meets(met->controlPointRect(), piece.controlPointRect())) {
                ++met;
                continue;
            }
            // The grown piece may now meet pieces already passed.
            piece.addPath(*met);
            pieces.erase(met);
            met = pieces.begin();
        }
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

// Glyph outlines by font and text, in pieces apart from each other: made once per document
// revision, shared by equal text items.
class GlyphOutlines
{
public:
    const std::vector<QPainterPath>& Of(const hostsim::ArtworkItem& item)
    {
        auto [at, made] = m_outlines.try_emplace({item.font, item.text});
        if (made) {
            QFont font(QString::fromStdString(item.font));
            font.setPixelSize(kOutlinePixelSize);
            font.setHintingPreference(QFont::PreferNoHinting);
            QPainterPath outline;
            outline.addText(0.0, 0.0, font, QString::fromStdString(item.text));
            at->second = Apart(outline);
        }
        return at->second;
    }

private:
    std::map<std::pair<std::string, std::string>, std::vector<QPainterPath>> m_outlines;
};

QRectF ControlPointRect(const std::vector<QPainterPath>& pieces)
{
    QRectF rect;
    for (const QPainterPath& piece : pieces)
        rect |= piece.controlPointRect();
    return rect;
}

// The whole pixels inside `rect`, less a margin of one pixel, which the rounding of a fill of
// `rect` may leave out.
QRect Inside(const QRectF& rect)
{
    if (rect.isEmpty())
        return QRect();
    return QRect(QPoint(static_cast<int>(std::ceil(rect.left())) + 1, static_cast<int>(std::ceil(rect.top())) + 1),
                 QPoint(static_cast<int>(std::floor(rect.right())) - 2, static_cast<int>(std::floor(rect.bottom())) - 2));
}

bool IsLarge(const QRectF& bounds)
{
    return std::max(bounds.width(), bounds.height()) > kLargeShape;
}

// A fill's outline (device pixels) cut to `area`: antialiasing spreads an edge over the pixel
// beside it, and TileCover looks a pixel beyond its tiles.
QPainterPath FillCut(const QPainterPath& outline, const QRectF& area)
{
    return OutlineCut(area.adjusted(-2.0, -2.0, 2.0, 2.0)).ForFill(outline);
}

// A stroke that is one level or upright line as the rectangle it covers, its square caps
// reaching half the width past its ends; empty for any other stroke.
QRectF RuleOf(const QPainterPath& stroke, double width)
{
    if (stroke.elementCount() != 2)
        return QRectF();
    const QPointF from = stroke.elementAt(0);
    const QPointF to = stroke.elementAt(1);
    if (from == to || (from.x() != to.x() && from.y() != to.y()))
        return QRectF();
    const double half = width / 2.0;
    return QRectF(from, to).normalized().adjusted(-half, -half, half, half);
}

// A rule, `rule` in the painter's pixels, painted as Qt's antialiased stroke shows it, as a filled
// rectangle: Qt strokes a line across the view row by row, twice as slowly as it fills the
// rectangle when the line is upright and forty times when it is level. Each device pixel takes
// the colour by the share of it the rule covers; a rule no wider than a device pixel is stroked
// by Qt a pixel wide, fainter by its width.
void PaintRule(QPainter& painter, const QRectF& rule, const QColor& colour)
{
    // The device's pixels may be smaller than the painter's: the pixel ratio scales them.
    const QTransform world = painter.transform();
    const QTransform toDevice = painter.deviceTransform();
    QRectF inDevice = toDevice.mapRect(rule);
    QColor shade = colour;
    const double width = std::min(inDevice.width(), inDevice.height());
    if (width <= 1.0) {
        shade.setAlphaF(colour.alphaF() * width);
        const QPointF centre = inDevice.center();
        inDevice.setSize(inDevice.width() == width ? QSizeF(1.0, inDevice.height()) : QSizeF(inDevice.width(), 1.0));
        inDevice.moveCenter(centre);
    }
    painter.setTransform(toDevice.inverted() * world);
    painter.fillRect(inDevice, shade);
    painter.setTransform(world);
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
            shape.glyphs = glyphs.Of(item);
            shape.baseline = QPointF(item.baseline.h, item.baseline.v);
            shape.textScale = item.fontSize / kOutlinePixelSize;
            const QTransform toArtwork = QTransform::fromTranslate(item.baseline.h, item.baseline.v)
                                             .scale(shape.textScale, -shape.textScale);
            shape.bounds = toArtwork.mapRect(ControlPointRect(shape.glyphs));
        } else {
            shape.outline = hostsim::ArtworkOutline(static_cast<ASInt32>(item.kind), item.bounds, item.points.data(),
                                                    item.points.size(), item.closed);
            shape.bounds = shape.outline.controlPointRect();
        }
        if (!item.stroke.empty()) {
            shape.stroke = PaintColour(content, item.stroke);
            shape.strokeWidth = item.strokeWidth;
            const double reach = kStrokeReach * item.strokeWidth;
            shape.bounds.adjust(-reach, -reach, reach, reach);
        }
        m_shapes.push_back(std::move(shape));
    }
    std::vector<QRectF> bounds;
    bounds.reserve(m_shapes.size());
    for (const Shape& shape : m_shapes)
        bounds.push_back(shape.bounds);
    m_grid = ShapeGrid(bounds);
}

void ArtworkPainter::PaintPage(QPainter& painter, const QRect& window, const QColor& pasteboard) const
{
    const QTransform toWindow = painter.transform();
    const QRectF sheet(-m_page.origin.h, -m_page.origin.v, m_page.width, m_page.height);
    // Each pixel is filled once but for the page's edges: the pasteboard around the page's
    // inside, the shadow right of the page and below it, the page.
    const QRegion around = QRegion(window) - Inside(toWindow.mapRect(sheet) & QRectF(window));
    painter.setTransform(QTransform());
    for (const QRect& part : around)
        painter.fillRect(part, pasteboard);
    painter.setTransform(toWindow);
    // The shadow keeps its size in window pixels whatever the zoom; y is upwards here.
    const double shadow = 3.0 / toWindow.m11();
    const double below = sheet.top() - shadow;
    painter.fillRect(QRectF(QPointF(sheet.right(), below), QPointF(sheet.right() + shadow, sheet.bottom() - shadow)),
                     kPageShadow);
    painter.fillRect(QRectF(QPointF(sheet.left() + shadow, below), QPointF(sheet.right(), sheet.top())), kPageShadow);
    painter.fillRect(sheet, Qt::white);
}

std::size_t ArtworkPainter::PaintArtwork(QPainter& painter, const QRectF& area) const
{
    return PaintArtwork(painter, area, area);
}

std::size_t ArtworkPainter::PaintArtwork(QPainter& painter, const QRectF& area, const QRectF& part) const
{
    std::vector<const Shape*> met;
    for (const std::uint32_t i : m_grid.Meeting(part))
        met.push_back(&m_shapes[i]);
    const Device device(painter.transform(), area);
    // From the top down: an item under opaque fills above it in every tile it meets does not show.
    TileCover cover(device.area);
    std::vector<Outlines> outlines(met.size());
    std::vector<bool> shows(met.size(), false);
    for (std::size_t i = met.size(); i-- > 0;) {
        const Shape& shape = *met[i];
        if (cover.Hides(device.toDevice.mapRect(shape.bounds).adjusted(-1.0, -1.0, 1.0, 1.0)))
            continue;
        shows[i] = true;
        outlines[i] = OutlinesOf(shape, device);
        if (outlines[i].inDevice && shape.fill.isValid() && shape.fill.alpha() == 255)
            cover.Add(outlines[i].fill);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    std::size_t painted = 0;
    for (std::size_t i = 0; i < met.size(); ++i) {
        if (shows[i]) {
            PaintShape(painter, *met[i], outlines[i], device);
            ++painted;
        }
    }
    painter.restore();
    return painted;
}

std::size_t ArtworkPainter::ItemsMeeting(const QRectF& area) const
{
    return m_grid.Meeting(area).size();
}

ArtworkPainter::Device::Device(const QTransform& transform, const QRectF& area)
    : toDevice(transform)
    , scale(std::sqrt(std::abs(transform.determinant())))
    , area(transform.mapRect(area))
{
}

ArtworkPainter::Outlines ArtworkPainter::OutlinesOf(const Shape& shape, const Device& device)
{
    if (shape.textScale > 0.0)
        return Outlines{};
    const QRectF bounds = device.toDevice.mapRect(shape.outline.controlPointRect());
    if (!IsLarge(bounds))
        return Outlines{shape.outline, shape.outline, false};
    const QPainterPath outline = device.toDevice.map(shape.outline);
    Outlines outlines{QPainterPath(), QPainterPath(), true};
    if (shape.fill.isValid())
        outlines.fill = FillCut(outline, device.area);
    // The stroke reaches further than the fill.
    if (shape.stroke.isValid()) {
        const double reach = kStrokeReach * shape.strokeWidth * device.scale + 1.0;
        outlines.stroke = OutlineCut(device.area.adjusted(-reach, -reach, reach, reach)).ForStroke(outline);
    }
    return outlines;
}

void ArtworkPainter::PaintShape(QPainter& painter, const Shape& shape, const Outlines& outlines,
                                const Device& device) const
{
    if (shape.textScale > 0.0) {
        PaintText(painter, shape, device);
        return;
    }
    if (outlines.inDevice)
        painter.setTransform(QTransform());
    if (shape.fill.isValid())
        painter.fillPath(outlines.fill, shape.fill);
    if (shape.stroke.isValid()) {
        const double width = shape.strokeWidth * (outlines.inDevice ? device.scale : 1.0);
        const QRectF rule = outlines.inDevice ? RuleOf(outlines.stroke, width) : QRectF();
        if (!rule.isEmpty()) {
            PaintRule(painter, rule, shape.stroke);
        } else {
            QPen pen(shape.stroke, width);
            pen.setJoinStyle(Qt::MiterJoin);
            painter.strokePath(outlines.stroke, pen);
        }
    }
    if (outlines.inDevice)
        painter.setTransform(device.toDevice);
}

void ArtworkPainter::PaintText(QPainter& painter, const Shape& shape, const Device& device)
{
    // Glyph outlines have y downwards.
    const QTransform toDevice = QTransform::fromScale(shape.textScale, -shape.textScale) *
                                QTransform::fromTranslate(shape.baseline.x(), shape.baseline.y()) * device.toDevice;
    painter.setTransform(toDevice);
    for (const QPainterPath& glyph : shape.glyphs) {
        const QRectF bounds = toDevice.mapRect(glyph.controlPointRect());
        if (!ShapeGrid::Meets(bounds, device.area))
            continue;
        if (!IsLarge(bounds)) {
            painter.fillPath(glyph, shape.fill);
            continue;
        }
        painter.setTransform(QTransform());
        painter.fillPath(FillCut(toDevice.map(glyph), device.area), shape.fill);
        painter.setTransform(toDevice);
    }
    painter.setTransform(device.toDevice);
}

}  // namespace hostapp
