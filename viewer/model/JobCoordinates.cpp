#include "viewer/model/JobCoordinates.h"

#include <algorithm>

JobCoordinates::JobCoordinates(double originX, double originY) : m_originX(originX), m_originY(originY) {}

JobCoordinates JobCoordinates::ForPage(double pageHeight, double pageOriginX, double pageOriginY)
{
    return JobCoordinates(pageOriginX * kMillimetresPerPoint, (pageHeight - pageOriginY) * kMillimetresPerPoint);
}

JobPoint JobCoordinates::ArtworkToJob(const ArtworkPoint& point) const
{
    return JobPoint{point.x * kMillimetresPerPoint + m_originX, m_originY - point.y * kMillimetresPerPoint};
}

ArtworkPoint JobCoordinates::JobToArtwork(const JobPoint& point) const
{
    return ArtworkPoint{(point.x - m_originX) / kMillimetresPerPoint, (m_originY - point.y) / kMillimetresPerPoint};
}

JobRect JobCoordinates::ArtworkToJob(const ArtworkRect& rect) const
{
    const JobPoint a = ArtworkToJob(ArtworkPoint{rect.left, rect.top});
    const JobPoint b = ArtworkToJob(ArtworkPoint{rect.right, rect.bottom});
    return JobRect{std::min(a.y, b.y), std::max(a.y, b.y), std::min(a.x, b.x), std::max(a.x, b.x)};
}

ArtworkRect JobCoordinates::JobToArtwork(const JobRect& rect) const
{
    const ArtworkPoint a = JobToArtwork(JobPoint{rect.x0, rect.y0});
    const ArtworkPoint b = JobToArtwork(JobPoint{rect.x1, rect.y1});
    return ArtworkRect{std::min(a.x, b.x), std::max(a.y, b.y), std::max(a.x, b.x), std::min(a.y, b.y)};
}
