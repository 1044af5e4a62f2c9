#include "sim/app/OutlineCut.h"

#include "sim/app/ShapeGrid.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace hostapp {
namespace {

using Polygon = OutlineCut::Polygon;

// How far the lines that stand for a curve inside the rectangle may stray from it, in pixels.
constexpr double kFlatness = 0.1;
// Halving a curve this many times leaves pieces a millionth of it: enough for any flatness.
constexpr int kDeepestSplit = 20;
// The most rows a slanted line may span.
constexpr double kLineRows = 16.0;
// A stroked curve is halved at most this many times: the pieces that meet the rectangle's edge
// stay curves, a 64th of the curve or more.
constexpr int kStrokeSplits = 6;

QRectF Hull(const OutlineCut::Curve& c)
{
    const auto [left, right] = std::minmax({c[0].x(), c[1].x(), c[2].x(), c[3].x()});
    const auto [top, bottom] = std::minmax({c[0].y(), c[1].y(), c[2].y(), c[3].y()});
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// How far a cubic strays from its chord, at most (three quarters of its largest second
// difference).
double Bend(const OutlineCut::Curve& c)
{
    const QPointF first = c[0] - 2.0 * c[1] + c[2];
    const QPointF second = c[1] - 2.0 * c[2] + c[3];
    return 0.75 * std::max(std::hypot(first.x(), first.y()), std::hypot(second.x(), second.y()));
}

// One side of the rectangle: the points with `Inside` true, and where a segment crosses it.
struct Side
{
    int axis;       // 0: x, 1: y
    double limit;
    bool below;     // inside is at or below the limit

    double Of(const QPointF& p) const { return axis == 0 ? p.x() : p.y(); }
    bool Inside(const QPointF& p) const { return below ? Of(p) <= limit : Of(p) >= limit; }
    QPointF Crossing(const QPointF& a, const QPointF& b) const
    {
        const double t = (limit - Of(a)) / (Of(b) - Of(a));
        return axis == 0 ? QPointF(limit, a.y() + t * (b.y() - a.y())) : QPointF(a.x() + t * (b.x() - a.x()), limit);
    }
};

std::array<Side, 4> SidesOf(const QRectF& r)
{
    return {Side{0, r.left(), false}, Side{0, r.right(), true}, Side{1, r.top(), false}, Side{1, r.bottom(), true}};
}

// A closed polygon clipped by the sides one after another (Sutherland-Hodgman): what lies
// outside a side moves onto it, which keeps the winding about every point inside.
Polygon ClipClosed(Polygon polygon, const std::array<Side, 4>& sides)
{
    for (const Side& side : sides) {
        if (polygon.empty())
            break;
        Polygon clipped;
        clipped.reserve(polygon.size() + 4);
        QPointF previous = polygon.back();
        for (const QPointF& point : polygon) {
            if (side.Inside(point) != side.Inside(previous))
                clipped.push_back(side.Crossing(previous, point));
            if (side.Inside(point))
                clipped.push_back(point);
            previous = point;
        }
        polygon = std::move(clipped);
    }
    return polygon;
}

// The part of segment a-b inside `keep` (Liang-Barsky), or false when none is.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& keep)
{
    double enter = 0.0;
    double leave = 1.0;
    const QPointF d = b - a;
    const std::array<std::array<double, 2>, 4> edges = {{{-d.x(), a.x() - keep.left()},
                                                          {d.x(), keep.right() - a.x()},
                                                          {-d.y(), a.y() - keep.top()},
                                                          {d.y(), keep.bottom() - a.y()}}};
    for (const auto& [toward, room] : edges) {
        if (toward == 0.0) {
            if (room < 0.0)
                return false;
            continue;
        }
        const double t = room / toward;
        if (toward < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return false;
    const QPointF start = a + enter * d;
    b = a + leave * d;
    a = start;
    return true;
}

// A line from the path's current position to `to`, in pieces no more than kLineRows high
// unless it is level or upright.
void AddLine(QPainterPath& path, const QPointF& to)
{
    const QPointF from = path.currentPosition();
    const QPointF step = to - from;
    const double pieces = step.x() == 0.0 ? 1.0 : std::ceil(std::abs(step.y()) / kLineRows);
    for (double i = 1.0; i < pieces; ++i)
        path.lineTo(from + step * (i / pieces));
    path.lineTo(to);
}

void AddPolygon(QPainterPath& path, const Polygon& points)
{
    path.moveTo(points.front());
    for (std::size_t i = 1; i < points.size(); ++i)
        AddLine(path, points[i]);
    AddLine(path, points.front());
}

std::pair<OutlineCut::Curve, OutlineCut::Curve> Halves(const OutlineCut::Curve& c)
{
    const QPointF ab = (c[0] + c[1]) / 2.0;
    const QPointF bc = (c[1] + c[2]) / 2.0;
    const QPointF cd = (c[2] + c[3]) / 2.0;
    const QPointF abc = (ab + bc) / 2.0;
    const QPointF bcd = (bc + cd) / 2.0;
    const QPointF middle = (abc + bcd) / 2.0;
    return {{c[0], ab, abc, middle}, {middle, bcd, cd, c[3]}};
}

// The rectangle around elements [begin, end) of `path` (QRectF's union passes over points).
QRectF ControlPointRect(const QPainterPath& path, int begin, int end)
{
    QPointF low = path.elementAt(begin);
    QPointF high = low;
    for (int i = begin + 1; i < end; ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        low = QPointF(std::min(low.x(), element.x), std::min(low.y(), element.y));
        high = QPointF(std::max(high.x(), element.x), std::max(high.y(), element.y));
    }
    return QRectF(low, high);
}

// Elements [begin, end) of `from`, one figure, as they are.
void AddElements(QPainterPath& path, const QPainterPath& from, int begin, int end)
{
    path.moveTo(from.elementAt(begin));
    for (int i = begin + 1; i < end; ++i) {
        const QPainterPath::Element element = from.elementAt(i);
        if (element.isLineTo()) {
            AddLine(path, element);
        } else {
            path.cubicTo(element, from.elementAt(i + 1), from.elementAt(i + 2));
            i += 2;
        }
    }
}

}  // namespace

OutlineCut::OutlineCut(const QRectF& keep)
    : m_keep(keep)
{
}

QPainterPath OutlineCut::ForFill(const QPainterPath& path) const
{
    return Cut(path, &OutlineCut::AddFilled);
}

QPainterPath OutlineCut::ForStroke(const QPainterPath& path) const
{
    return Cut(path, &OutlineCut::AddStroked);
}

QPainterPath OutlineCut::Cut(const QPainterPath& path, CutFigure cutFigure) const
{
    QPainterPath cut;
    cut.setFillRule(path.fillRule());
    for (int begin = 0; begin < path.elementCount();) {
        int end = begin + 1;
        while (end < path.elementCount() && !path.elementAt(end).isMoveTo())
            ++end;
        if (m_keep.contains(ControlPointRect(path, begin, end)))
            AddElements(cut, path, begin, end);
        else
            (this->*cutFigure)(cut, path, begin, end);
        begin = end;
    }
    return cut;
}

void OutlineCut::AddFilled(QPainterPath& cut, const QPainterPath& path, int begin, int end) const
{
    Polygon figure(1, path.elementAt(begin));
    for (int i = begin + 1; i < end; ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        if (element.isLineTo()) {
            figure.push_back(element);
        } else {
            Flatten({figure.back(), element, path.elementAt(i + 1), path.elementAt(i + 2)}, 0, figure);
            i += 2;
        }
    }
    const Polygon clipped = ClipClosed(std::move(figure), SidesOf(m_keep));
    if (clipped.size() >= 3)
        AddPolygon(cut, clipped);
}

void OutlineCut::Flatten(const Curve& c, int depth, Polygon& figure) const
{
    // A piece outside `keep` stands as its chord: both lie in the hull of its control points,
    // so the winding about every point inside stays, and the chord stays outside.
    if (depth == kDeepestSplit || !ShapeGrid::Meets(Hull(c), m_keep) || Bend(c) <= kFlatness) {
        figure.push_back(c[3]);
        return;
    }
    const auto [first, second] = Halves(c);
    Flatten(first, depth + 1, figure);
    Flatten(second, depth + 1, figure);
}

void OutlineCut::AddStroked(QPainterPath& cut, const QPainterPath& path, int begin, int end) const
{
    Runs runs;
    const QPointF start = path.elementAt(begin);
    QPointF at = start;
    for (int i = begin + 1; i < end; ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        if (element.isLineTo()) {
            QPointF a = at;
            QPointF b = element;
            if (!ClipSegment(a, b, m_keep)) {
                runs.Break();
            } else {
                if (a != at)
                    runs.Break();
                runs.Line(a, b);
                if (b != QPointF(element))
                    runs.Break();
            }
            at = element;
        } else {
            KeepCurve({at, element, path.elementAt(i + 1), path.elementAt(i + 2)}, 0, runs);
            at = path.elementAt(i + 2);
            i += 2;
        }
    }
    // The painter joins the ends of a figure that ends where it starts: a cut figure whose start
    // stays goes on from its last run into its first.
    runs.AddTo(cut, at == start);
}

void OutlineCut::KeepCurve(const Curve& c, int depth, Runs& runs) const
{
    const QRectF hull = Hull(c);
    if (!ShapeGrid::Meets(hull, m_keep)) {
        runs.Break();
    } else if (m_keep.contains(hull) || depth == kStrokeSplits) {
        runs.Curve(c);
    } else {
        const auto [first, second] = Halves(c);
        KeepCurve(first, depth + 1, runs);
        KeepCurve(second, depth + 1, runs);
    }
}

void OutlineCut::Runs::Start(const QPointF& from)
{
    if (m_going)
        return;
    m_runs.emplace_back();
    m_runs.back().moveTo(from);
    m_going = true;
    m_firstFromStart = m_firstFromStart || !m_broken;
}

void OutlineCut::Runs::Line(const QPointF& from, const QPointF& to)
{
    Start(from);
    AddLine(m_runs.back(), to);
}

void OutlineCut::Runs::Curve(const OutlineCut::Curve& c)
{
    Start(c[0]);
    m_runs.back().cubicTo(c[1], c[2], c[3]);
}

void OutlineCut::Runs::Break()
{
    m_going = false;
    m_broken = true;
}

void OutlineCut::Runs::AddTo(QPainterPath& cut, bool closed)
{
    if (closed && m_broken && m_going && m_firstFromStart && m_runs.size() > 1) {
        m_runs.back().connectPath(m_runs.front());
        m_runs.erase(m_runs.begin());
    }
    for (const QPainterPath& run : m_runs)
        cut.addPath(run);
}

}  // namespace hostapp
