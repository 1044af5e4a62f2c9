#pragma once

#include <QLine>
#include <QRect>

#include <vector>

class QColor;
class QPainter;
class QWidget;

// The tools' rubber band over the canvas: rectangles and lines drawn in XOR, so that drawing a
// frame again erases it. A tool starts a frame, adds its shapes and flushes: the canvas is then
// repainted at once without erasing its background and without its image (an overlay-only
// paint), which erases the previous frame and draws the new one over the pixels already shown.
// A full paint of the canvas draws the current frame over the fresh image. Host UI thread.
class TrackingOverlay
{
public:
    // `canvas` owns the overlay.
    explicit TrackingOverlay(QWidget& canvas);

    // The current shapes become the previous ones, to be erased by the next flush.
    void StartFrame();
    // Corners in canvas pixels, in any order; drawn as an outline on pixel centres.
    void AddRect(const QPoint& corner, const QPoint& opposite);
    void AddLine(const QPoint& from, const QPoint& to);
    // Repaints the canvas at once, overlay only, when something changed since the last flush.
    void Flush();

    // Whether the running paint is a flush's: the canvas then leaves its image alone.
    bool IsOverlayOnlyPaint() const { return m_overlayOnly; }
    // Called by the canvas's paint, after its image, with the theme's drawing colour.
    void Draw(QPainter& painter, const QColor& colour);

private:
    void DrawShapes(QPainter& painter, const std::vector<QRect>& rects, const std::vector<QLine>& lines) const;

    QWidget& m_canvas;
    bool m_eraseRequested = false;
    bool m_dirty = false;
    bool m_overlayOnly = false;
    std::vector<QRect> m_rects;
    std::vector<QLine> m_lines;
    std::vector<QRect> m_previousRects;
    std::vector<QLine> m_previousLines;
};
