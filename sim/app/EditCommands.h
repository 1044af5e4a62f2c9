#pragma once

#include "sim/host/Document.h"

namespace hostapp {

// The edits of the host's Edit menu, worked out for a document's content. Each returns an edit
// for Document::Apply; it may still be refused (for example a move off the canvas).

// Moves the front item (the last one painted) by (dx, dy) points; index -1 without artwork.
hostsim::MoveArtwork MoveFrontItem(const hostsim::DocumentContent& content, double dx, double dy);

// Fills the front item with the ink after the first ink of its current fill (in the document's
// ink order, wrapping), solid; the first ink when the item has no fill.
hostsim::RecolourArtwork RecolourFrontItem(const hostsim::DocumentContent& content);

// An ellipse of `size` points around `center`, filled solid with the document's first spot ink,
// or its first process ink when it has none.
hostsim::AddArtwork AddShape(const hostsim::DocumentContent& content, const AIRealPoint& center, double size);

}  // namespace hostapp
