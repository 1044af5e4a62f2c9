#pragma once

#include <QPainterPath>
#include <QRectF>

#include <array>
#include <vector>

namespace hostapp {

// Cuts outlines in device pixels down to what can show inside a rectangle, so that filling or
// stroking a shape much larger than the view costs what the view shows of it. Figures wholly
// inside the rectangle stay as they are; the others are flattened (pieces of curves outside the
// rectangle become their chords, which keeps them outside and keeps the winding about every
// point inside) and clipped to the rectangle.
//
// Qt's antialiasing rasteriser works in bands of a few dozen rows and walks every row of each
// line that crosses a band, so that a line's cost grows with the square of its height: slanted
// lines come out in pieces a few rows high, on the same line.
class OutlineCut
{
public:
    explicit OutlineCut(const QRectF& keep);

    // An outline that fills as `path` does inside `keep`, with its fill rule: every figure is
    // closed, as a fill closes it.
    QPainterPath ForFill(const QPainterPath& path) const;
    // An outline whose stroke shows as that of `path` everywhere farther inside `keep` than the
    // stroke reaches from its outline (half the width, a mitre, a square cap): closed figures stay
    // closed, open ones are cut where they leave `keep`, with new ends outside that reach.
    QPainterPath ForStroke(const QPainterPath& path) const;

    using Curve = std::array<QPointF, 4>;  // a cubic's start, control points and end
    using Polygon = std::vector<QPointF>;

private:
    // The runs of a stroked figure that stay: a figure each, but that the last may go on into
    // the first.
    class Runs
    {
    public:
        void Line(const QPointF& from, const QPointF& to);
        void Curve(const OutlineCut::Curve& curve);
        // What follows starts a new run.
        void Break();
        // Adds the runs to `cut`; `closed`: the figure ends where it starts.
        void AddTo(QPainterPath& cut, bool closed);

    private:
        void Start(const QPointF& from);

        std::vector<QPainterPath> m_runs;
        bool m_going = false;           // the last run goes on from where it ends
        bool m_broken = false;          // something was left out
        bool m_firstFromStart = false;  // the first run starts at the figure's start
    };

    // Adds elements [begin, end) of a path, one figure, as cut to the rectangle.
    using CutFigure = void (OutlineCut::*)(QPainterPath& cut, const QPainterPath& path, int begin, int end) const;

    QPainterPath Cut(const QPainterPath& path, CutFigure cutFigure) const;
    // The figure flattened, closed and clipped to the rectangle.
    void AddFilled(QPainterPath& cut, const QPainterPath& path, int begin, int end) const;
    void Flatten(const Curve& curve, int depth, Polygon& figure) const;
    // The figure less its lines and pieces of curves outside the rectangle; the rest as it is.
    void AddStroked(QPainterPath& cut, const QPainterPath& path, int begin, int end) const;
    void KeepCurve(const Curve& curve, int depth, Runs& runs) const;

    QRectF m_keep;
};

}  // namespace hostapp
