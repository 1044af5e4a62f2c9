#include "sim/host/DocumentContent.h"

#include <cmath>
#include <set>

namespace hostsim {
namespace {

struct ProcessInkRow
{
    ColorModel model;
    const char* name;
    AppearanceSpace space;
    std::array<double, 3> appearance;
};

// Solid process colours: coated offset inks for CMYK, the display primaries for RGB.
constexpr ProcessInkRow kProcessInks[] = {
    {ColorModel::CMYK, "Cyan", AppearanceSpace::Lab, {55.0, -37.0, -50.0}},
    {ColorModel::CMYK, "Magenta", AppearanceSpace::Lab, {48.0, 74.0, -3.0}},
    {ColorModel::CMYK, "Yellow", AppearanceSpace::Lab, {89.0, -5.0, 93.0}},
    {ColorModel::CMYK, "Black", AppearanceSpace::Lab, {16.0, 0.0, 0.0}},
    {ColorModel::RGB, "Red", AppearanceSpace::RGB, {255.0, 0.0, 0.0}},
    {ColorModel::RGB, "Green", AppearanceSpace::RGB, {0.0, 255.0, 0.0}},
    {ColorModel::RGB, "Blue", AppearanceSpace::RGB, {0.0, 0.0, 255.0}},
};

// Text keeps to sizes a drawing host offers.
constexpr double kMaximumFontSize = 1296.0;
constexpr double kMaximumStrokeWidth = 1000.0;

bool InRange(double value)
{
    return std::isfinite(value) && std::fabs(value) <= kCoordinateLimit;
}

bool InRange(const AIRealPoint& point)
{
    return InRange(point.h) && InRange(point.v);
}

std::string PaintProblem(const std::vector<HostSimInkTint>& paint, int inkCount, const char* what)
{
    std::set<int> seen;
    for (const HostSimInkTint& tint : paint) {
        if (tint.ink < 0 || tint.ink >= inkCount)
            return std::string(what) + " uses ink " + std::to_string(tint.ink) + ", which the document does not hold";
        if (!seen.insert(tint.ink).second)
            return std::string(what) + " uses ink " + std::to_string(tint.ink) + " twice";
        if (!(tint.tint >= 0.0 && tint.tint <= 1.0))
            return std::string(what) + " tints must be between 0 and 100";
    }
    return {};
}

std::string GeometryProblem(const ArtworkItem& item)
{
    switch (item.kind) {
    case ArtworkKind::Rectangle:
    case ArtworkKind::Ellipse: {
        const AIRealRect& b = item.bounds;
        if (!InRange(b.left) || !InRange(b.top) || !InRange(b.right) || !InRange(b.bottom))
            return "bounds lie outside the canvas";
        if (!(b.left < b.right && b.bottom < b.top))
            return "bounds need left < right and bottom < top";
        return {};
    }
    case ArtworkKind::Path:
        if (item.points.size() < (item.closed ? 3u : 2u))
            return item.closed ? "a closed path needs at least 3 points" : "an open path needs at least 2 points";
        for (const AIRealPoint& point : item.points)
            if (!InRange(point))
                return "points lie outside the canvas";
        return {};
    case ArtworkKind::Text:
        if (!InRange(item.baseline))
            return "baseline lies outside the canvas";
        if (!(item.fontSize > 0.0 && item.fontSize <= kMaximumFontSize))
            return "size must be a number above 0 and at most 1296";
        if (item.text.empty())
            return "text is empty";
        if (item.font.empty())
            return "font is empty";
        if (item.strokeWidth != 0.0 || !item.stroke.empty())
            return "text takes no stroke";
        return {};
    }
    return "unknown kind";
}

}  // namespace

int DocumentContent::FindInk(const std::string& name) const
{
    for (std::size_t i = 0; i < inks.size(); ++i)
        if (inks[i].name == name)
            return static_cast<int>(i);
    return -1;
}

std::vector<Ink> ProcessInks(ColorModel model)
{
    std::vector<Ink> inks;
    for (const ProcessInkRow& row : kProcessInks)
        if (row.model == model)
            inks.push_back(Ink{row.name, true, row.space, row.appearance});
    return inks;
}

std::string ArtworkProblem(const ArtworkItem& item, int inkCount)
{
    std::string problem = GeometryProblem(item);
    if (problem.empty())
        problem = PaintProblem(item.fill, inkCount, "fill");
    if (problem.empty())
        problem = PaintProblem(item.stroke, inkCount, "stroke");
    if (!problem.empty())
        return problem;
    const bool stroked = !item.stroke.empty();
    if (stroked != (item.strokeWidth > 0.0) || !(item.strokeWidth >= 0.0 && item.strokeWidth <= kMaximumStrokeWidth))
        return "a stroke needs inks and a width above 0 and at most 1000";
    if (item.fill.empty() && !stroked)
        return "needs a fill or a stroke";
    return {};
}

void MoveItem(ArtworkItem& item, double dx, double dy)
{
    item.bounds.left += dx;
    item.bounds.right += dx;
    item.bounds.top += dy;
    item.bounds.bottom += dy;
    for (AIRealPoint& point : item.points) {
        point.h += dx;
        point.v += dy;
    }
    item.baseline.h += dx;
    item.baseline.v += dy;
}

}  // namespace hostsim
