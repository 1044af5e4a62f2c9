#pragma once

#include "sim/host/DocumentContent.h"

#include <QTransform>

class QPainter;

namespace hostsim {
class DocumentView;
}  // namespace hostsim

namespace hostapp {

// Maps artwork points (y upwards) to the pixels of a window showing `view` (y downwards).
QTransform ArtworkToWindow(const hostsim::DocumentView& view);

// Paints documents in screen RGB: the page, then the artwork in list order with the paints'
// appearance (PaintColour). The painter's transform must map artwork points to the device.
class ArtworkPainter
{
public:
    explicit ArtworkPainter(const hostsim::DocumentContent& content);

    void PaintPage(QPainter& painter) const;
    void PaintArtwork(QPainter& painter) const;

private:
    void PaintItem(QPainter& painter, const hostsim::ArtworkItem& item) const;
    void PaintText(QPainter& painter, const hostsim::ArtworkItem& item) const;

    const hostsim::DocumentContent& m_content;
};

}  // namespace hostapp
