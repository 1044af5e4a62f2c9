#pragma once

#include "sim/app/ShapeGrid.h"
#include "sim/host/DocumentContent.h"

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QTransform>

#include <cstddef>
#include <vector>

class QPainter;

namespace hostsim {
class DocumentView;
}  // namespace hostsim

namespace hostapp {

// Maps artwork points (y upwards) to the pixels of a window showing `view` (y downwards).
QTransform ArtworkToWindow(const hostsim::DocumentView& view);

// Paints one revision of a document in screen RGB: the page, then the artwork in list order with
// the paints' appearance (PaintColour). Made once per revision, as a host keeps its display list:
// outlines (text as glyph outlines), colours and bounds are ready, so a repaint fills only the
// items that meet the area it paints. The painter's transform must map artwork points to the device,
// whose pixels are those of the painter without a transform; a viewport set on the painter stays.
class ArtworkPainter
{
public:
    explicit ArtworkPainter(const hostsim::DocumentContent& content);

    // Paints the pasteboard over `window` (window pixels, which the painter's device shows
    // untransformed), the page's shadow and the page.
    void PaintPage(QPainter& painter, const QRect& window, const QColor& pasteboard) const;
    // Paints the items whose bounds meet `area` (artwork points) but those under opaque fills of
    // large shapes above them (TileCover); returns how many. Shapes far larger than the area are
    // given to the painter cut to it.
    std::size_t PaintArtwork(QPainter& painter, const QRectF& area) const;
    // The same for the items whose bounds meet `part`, a part of the area: each pixel as painting
    // the whole area paints it.
    std::size_t PaintArtwork(QPainter& painter, const QRectF& area, const QRectF& part) const;
    // How many items' bounds meet `area` (artwork points).
    std::size_t ItemsMeeting(const QRectF& area) const;

private:
    struct Shape
    {
        QPainterPath outline;  // artwork points; empty for text
        // Text: the glyph outlines in pieces apart from each other (glyph units, y downwards),
        // shared by equal texts.
        std::vector<QPainterPath> glyphs;
        QRectF bounds;         // artwork points, with the stroke and the glyphs' extent
        QColor fill;           // invalid: no fill
        QColor stroke;         // invalid: no stroke
        double strokeWidth = 0.0;
        QPointF baseline;      // text only
        double textScale = 0.0;  // text: artwork points per glyph unit; 0 for other items
    };

    // The painter's transform, the device pixels per artwork point it scales by (alike in x and
    // y, as ArtworkToWindow does) and the area painted in device pixels.
    struct Device
    {
        Device(const QTransform& transform, const QRectF& area);
        QTransform toDevice;
        double scale;
        QRectF area;
    };

    // What of a shape's outline the painter is given for its fill and its stroke.
    struct Outlines
    {
        QPainterPath fill;
        QPainterPath stroke;
        bool inDevice = false;  // device pixels, cut to the area; else artwork points
    };

    // A large shape's outline in device pixels, cut to what can show in the area; a small one's
    // as it is.
    static Outlines OutlinesOf(const Shape& shape, const Device& device);
    void PaintShape(QPainter& painter, const Shape& shape, const Outlines& outlines, const Device& device) const;
    // The glyphs that meet the area; large ones as the large shapes.
    static void PaintText(QPainter& painter, const Shape& shape, const Device& device);

    hostsim::Page m_page;
    std::vector<Shape> m_shapes;
    ShapeGrid m_grid;
};

}  // namespace hostapp
