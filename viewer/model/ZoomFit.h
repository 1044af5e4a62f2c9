#pragma once

#include "viewer/model/JobCoordinates.h"

// The rectangles of the zoom drop-down's two fit entries.
namespace ZoomFit {

// "Fit ArtBoard": the page in artwork points, from the host's page size and page origin.
ArtworkRect ArtBoardRect(double pageWidth, double pageHeight, double pageOriginX, double pageOriginY);

// "Fit Graphics": the artwork bounds the engine reports (job millimetres), widened by 2 mm at each
// end of a range that spans more than 100 mm, each range then put in ascending order.
JobRect GraphicsRect(const JobRect& artworkBounds);

}  // namespace ZoomFit
