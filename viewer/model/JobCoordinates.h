#pragma once

// Conversion between the host's artwork coordinates (points, y upwards, origin where the
// document's page origin puts it) and job coordinates (millimetres, y downwards, origin at the
// top-left corner of the page). Widget-free; one value per document page.

// A point in artwork coordinates: points, y upwards.
struct ArtworkPoint
{
    double x;
    double y;
};

// A rectangle in artwork coordinates, as the host's views report it: top > bottom.
struct ArtworkRect
{
    double left;
    double top;
    double right;
    double bottom;
};

// A point in job coordinates: millimetres, y downwards.
struct JobPoint
{
    double x;
    double y;
};

// A rectangle in job coordinates, vertical range first, each range ascending.
struct JobRect
{
    double y0;
    double y1;
    double x0;
    double x1;
};

class JobCoordinates
{
public:
    static constexpr double kMillimetresPerPoint = 25.4 / 72.0;

    // Origin (0, 0): artwork and job origins coincide, only the units and the y direction differ.
    JobCoordinates() = default;
    // The job position (millimetres) of the artwork origin.
    JobCoordinates(double originX, double originY);
    // The coordinates of a page of the given height (points) whose origin (points) the host
    // reports: origin x = page origin x × k, origin y = (page height − page origin y) × k.
    static JobCoordinates ForPage(double pageHeight, double pageOriginX, double pageOriginY);

    double OriginX() const { return m_originX; }
    double OriginY() const { return m_originY; }

    JobPoint ArtworkToJob(const ArtworkPoint& point) const;
    ArtworkPoint JobToArtwork(const JobPoint& point) const;
    // Both ranges come out ascending whatever the order of the edges.
    JobRect ArtworkToJob(const ArtworkRect& rect) const;
    // Top above bottom, left before right.
    ArtworkRect JobToArtwork(const JobRect& rect) const;

private:
    double m_originX = 0.0;
    double m_originY = 0.0;
};
