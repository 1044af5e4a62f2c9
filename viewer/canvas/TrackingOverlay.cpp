#include "viewer/canvas/TrackingOverlay.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

TrackingOverlay::TrackingOverlay(QWidget& canvas) : m_canvas(canvas) {}

void TrackingOverlay::StartFrame()
{
    m_eraseRequested = true;
    m_previousRects = m_rects;
    m_previousLines = m_lines;
    if (!m_rects.empty() || !m_lines.empty()) {
        m_dirty = true;
        m_rects.clear();
        m_lines.clear();
    }
}

void TrackingOverlay::AddRect(const QPoint& corner, const QPoint& opposite)
{
    const QPoint topLeft(std::min(corner.x(), opposite.x()), std::min(corner.y(), opposite.y()));
    const QPoint bottomRight(std::max(corner.x(), opposite.x()), std::max(corner.y(), opposite.y()));
    m_rects.emplace_back(topLeft, bottomRight);
    m_dirty = true;
}

void TrackingOverlay::AddLine(const QPoint& from, const QPoint& to)
{
    m_lines.emplace_back(from, to);
    m_dirty = true;
}

void TrackingOverlay::Flush()
{
    if (!m_dirty)
        return;
    m_overlayOnly = true;
    m_canvas.setAttribute(Qt::WA_OpaquePaintEvent, true);
    m_canvas.repaint();
    m_canvas.setAttribute(Qt::WA_OpaquePaintEvent, false);
    m_overlayOnly = false;
    m_eraseRequested = false;
    m_dirty = false;
    m_previousRects.clear();
    m_previousLines.clear();
}

void TrackingOverlay::Draw(QPainter& painter, const QColor& colour)
{
    if (m_overlayOnly && !m_dirty)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(colour);
    painter.setBrush(Qt::NoBrush);
    if (m_overlayOnly) {
        DrawShapes(painter, m_previousRects, m_previousLines);
    } else if (m_eraseRequested) {
        m_previousRects.clear();
        m_previousLines.clear();
    }
    DrawShapes(painter, m_rects, m_lines);
    painter.restore();
}

void TrackingOverlay::DrawShapes(QPainter& painter, const std::vector<QRect>& rects, const std::vector<QLine>& lines) const
{
    for (const QRect& rect : rects)
        painter.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    for (const QLine& line : lines)
        painter.drawLine(QLineF(line).translated(0.5, 0.5));
}
