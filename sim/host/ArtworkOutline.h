#pragma once

#include "sim/host/HostSimDocumentAccessSuite.h"

#include <QPainterPath>
#include <QRectF>

#include <cstddef>

namespace hostsim {

// The outline of a rectangle, ellipse or path (`kind` as in HostSimArtwork) in artwork points;
// empty for text. The host's window and the engine's proofs draw their items from this one rule.
inline QPainterPath ArtworkOutline(ASInt32 kind, const AIRealRect& bounds, const AIRealPoint* corners,
                                   std::size_t cornerCount, bool closed)
{
    QPainterPath outline;
    const QRectF box(QPointF(bounds.left, bounds.bottom), QPointF(bounds.right, bounds.top));
    if (kind == kHostSimRectangle) {
        outline.addRect(box);
    } else if (kind == kHostSimEllipse) {
        outline.addEllipse(box);
    } else if (kind == kHostSimPath && cornerCount > 0) {
        outline.moveTo(corners[0].h, corners[0].v);
        for (std::size_t i = 1; i < cornerCount; ++i)
            outline.lineTo(corners[i].h, corners[i].v);
        if (closed)
            outline.closeSubpath();
    }
    return outline;
}

}  // namespace hostsim
