#include "viewer/model/ZoomFit.h"

#include <algorithm>
#include <utility>

namespace {

// Artwork wider or higher than this gets a margin, so its edges do not touch the canvas's edges.
constexpr double kMarginThreshold = 100.0;
constexpr double kMargin = 2.0;

std::pair<double, double> WithMargin(double low, double high)
{
    if (high - low > kMarginThreshold) {
        low -= kMargin;
        high += kMargin;
    }
    return std::minmax(low, high);
}

}  // namespace

namespace ZoomFit {

ArtworkRect ArtBoardRect(double pageWidth, double pageHeight, double pageOriginX, double pageOriginY)
{
    return ArtworkRect{-pageOriginX, pageHeight - pageOriginY, pageWidth - pageOriginX, -pageOriginY};
}

JobRect GraphicsRect(const JobRect& artworkBounds)
{
    const auto [y0, y1] = WithMargin(artworkBounds.y0, artworkBounds.y1);
    const auto [x0, x1] = WithMargin(artworkBounds.x0, artworkBounds.x1);
    return JobRect{y0, y1, x0, x1};
}

}  // namespace ZoomFit
