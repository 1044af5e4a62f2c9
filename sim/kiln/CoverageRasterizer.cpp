#include "sim/kiln/CoverageRasterizer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace kiln {
namespace {

// Subpixels along a pixel's side; a fully covered pixel sums to kFull.
constexpr int kSideBits = 8;
constexpr std::int64_t kSide = std::int64_t{1} << kSideBits;
constexpr std::int64_t kFull = 2 * kSide * kSide;
// Lines are cut this many pixels around the box: far enough that no rendering the engine is asked
// for reaches it, near enough that products of subpixel lengths stay within 64 bits.
constexpr double kGuardPixels = 1 << 20;
// The farthest, in pixels, a flattened curve may stray from the curve.
constexpr double kFlatness = 1.0 / 32;
// Document coordinates are often round numbers whose positions fall exactly on a rounding point:
// halfway between two subpixels, or a whole number of pieces. There the least difference between
// the transforms of two renderings, a tile and the whole, would round them apart; rounding points
// moved by this much keep such positions together.
constexpr double kTieBreak = 1e-6;
// Curves needing more pieces are halved first.
constexpr double kMostPieces = 16;

constexpr int kRun = 8;

// The floor of a / b, whatever their signs (b is not 0).
std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    if (b < 0) {
        a = -a;
        b = -b;
    }
    const std::int64_t q = a / b;
    return a % b != 0 && a < 0 ? q - 1 : q;
}

// The cell (pixel) a subpixel coordinate lies in, and the first cell at or past it: a shift, as
// kSide is a power of two, where a division would cost tenfold.
std::int64_t Cell(std::int64_t v)
{
    return v >> kSideBits;
}

std::int64_t CeilCell(std::int64_t v)
{
    return -(-v >> kSideBits);
}

// The point a fraction `t` of the way from `from` to `to`.
QPointF Between(const QPointF& from, const QPointF& to, double t)
{
    return from + (to - from) * t;
}

// Like QRectF::contains for a rectangle of positive size, inline: it runs for every line.
bool Inside(const QRectF& rect, const QPointF& p)
{
    return p.x() >= rect.left() && p.x() <= rect.right() && p.y() >= rect.top() && p.y() <= rect.bottom();
}

// std::floor for values far within 64 bits (lines are cut at the guard first), without a call
// into the maths library: four per line.
std::int64_t Floor(double v)
{
    const auto truncated = static_cast<std::int64_t>(v);
    return static_cast<double>(truncated) > v ? truncated - 1 : truncated;
}

double SquaredLength(const QPointF& p)
{
    return p.x() * p.x() + p.y() * p.y();
}

}  // namespace

// floor(n × t / d) for one edge's n and d as t moves along the edge: asked next at t + step, it
// adds where it would divide (a 64-bit division costs as much as a cell's whole share), and stays
// exact. Asked only where d ≠ 0.
class CoverageRasterizer::FloorRatio
{
public:
    FloorRatio(std::int64_t n, std::int64_t d, std::int64_t step)
        : m_n(d < 0 ? -n : n), m_d(d < 0 ? -d : d), m_step(step)
    {
    }

    std::int64_t At(std::int64_t t)
    {
        if (m_known && t == m_t + m_step) {
            if (!m_stepKnown) {
                Split(m_n * m_step, m_stepQuotient, m_stepRemainder);
                m_stepKnown = true;
            }
            m_quotient += m_stepQuotient;
            m_remainder += m_stepRemainder;
            if (m_remainder >= m_d) {
                m_remainder -= m_d;
                ++m_quotient;
            }
        } else if (!m_known || t != m_t) {
            Split(m_n * t, m_quotient, m_remainder);
        }
        m_known = true;
        m_t = t;
        return m_quotient;
    }

private:
    // a = quotient × d + remainder, with 0 ≤ remainder < d.
    void Split(std::int64_t a, std::int64_t& quotient, std::int64_t& remainder) const
    {
        quotient = FloorDiv(a, m_d);
        remainder = a - quotient * m_d;
    }

    std::int64_t m_n;
    std::int64_t m_d;
    std::int64_t m_step;
    bool m_stepKnown = false;  // the step's quotient and remainder, worked out at the first step
    std::int64_t m_stepQuotient = 0;
    std::int64_t m_stepRemainder = 0;
    bool m_known = false;  // t and floor(n × t / d) = quotient, with the remainder
    std::int64_t m_t = 0;
    std::int64_t m_quotient = 0;
    std::int64_t m_remainder = 0;
};

QRect CoverageRasterizer::PaintBox(const QTransform& toPlane, const QRectF& reach, int width, int height)
{
    return toPlane.mapRect(reach).toAlignedRect().adjusted(-1, -1, 1, 1) & QRect(0, 0, width, height);
}

const std::vector<CoverageRasterizer::Span>& CoverageRasterizer::Paint(const Outline& outline,
                                                                       const QTransform& toPlane, bool antialiasing,
                                                                       const Plane& mask, const QRect& box)
{
    m_spans.clear();
    if (box.isEmpty())
        return m_spans;
    m_box = box;
    m_area = QRectF(box.left(), box.top(), box.width(), box.height());
    m_guard = m_area.adjusted(-kGuardPixels, -kGuardPixels, kGuardPixels, kGuardPixels);
    m_antialiasing = antialiasing;
    m_stride = box.width() + 1;
    m_groupWords = (box.width() / kRun + 64) / 64;
    const std::size_t rows = static_cast<std::size_t>(box.height());
    if (m_sums.size() < static_cast<std::size_t>(m_stride) * rows)
        m_sums.resize(static_cast<std::size_t>(m_stride) * rows, 0);
    if (m_touched.size() < m_groupWords * rows)
        m_touched.resize(m_groupWords * rows, 0);

    AddOutline(outline, toPlane);
    Sweep(mask);
    return m_spans;
}

// The sum of `column` of the box in that row changes, and the pixel right of it may too: their
// groups of kRun columns are marked.
inline void CoverageRasterizer::Touch(std::int64_t row, int column)
{
    std::uint64_t* words = m_touched.data() + static_cast<std::size_t>(row - m_box.top()) * m_groupWords;
    const int first = column / kRun;
    const int second = (column + 1) / kRun;
    words[first / 64] |= std::uint64_t{1} << (first % 64);
    words[second / 64] |= std::uint64_t{1} << (second % 64);
}

// One piece of an edge inside one cell, x and y relative to the cell's corner, as what it adds to
// its row's sums. The sums of a row add up, left to right, to twice the area of each pixel the
// outline covers (kFull when whole): the piece's cover counts whole for every pixel right of the
// cell, and for the cell less the area left of the piece. Of a cell left of the box only the
// cover counts, in the box's first column: every pixel of the row in the box lies right of it.
inline CoverageRasterizer::CellShare CoverageRasterizer::ShareOf(std::int64_t cell, std::int64_t x1, std::int64_t y1,
                                                                 std::int64_t x2, std::int64_t y2) const
{
    const std::int64_t cover = y2 - y1;
    if (cell < m_box.left())
        return {0, static_cast<std::int32_t>(2 * kSide * cover), 0};
    const std::int64_t area = cover * (x1 + x2);
    return {static_cast<int>(cell - m_box.left()), static_cast<std::int32_t>(2 * kSide * cover - area),
            static_cast<std::int32_t>(area)};
}

inline void CoverageRasterizer::AddCell(std::int64_t row, std::int64_t cell, std::int64_t x1, std::int64_t y1,
                                        std::int64_t x2, std::int64_t y2)
{
    AddShare(row, ShareOf(cell, x1, y1, x2, y2));
}

inline void CoverageRasterizer::AddShare(std::int64_t row, const CellShare& share)
{
    std::int32_t* sums = m_sums.data() + (row - m_box.top()) * m_stride + share.column;
    sums[0] += share.here;
    sums[1] += share.right;
    Touch(row, share.column);
}

// Adds the edges of every subpath of the outline, each closed by a line back to its start.
void CoverageRasterizer::AddOutline(const Outline& outline, const QTransform& toPlane)
{
    // Scales and moves only: each coordinate on its own.
    const auto map = [&toPlane](const QPointF& p) {
        return QPointF(p.x() * toPlane.m11() + toPlane.dx(), p.y() * toPlane.m22() + toPlane.dy());
    };
    const std::vector<QPointF>& points = outline.Points();
    QPointF start;
    QPointF last;
    std::size_t p = 0;
    for (const Outline::Step step : outline.Steps()) {
        if (step == Outline::Step::Cubic) {
            const QPointF first = map(points[p]);
            const QPointF second = map(points[p + 1]);
            const QPointF end = map(points[p + 2]);
            AddCubic(last, first, second, end);
            last = end;
            p += 3;
            continue;
        }
        const QPointF point = map(points[p++]);
        if (step == Outline::Step::Move) {
            AddLine(last, start);
            start = point;
        } else {
            AddLine(last, point);
        }
        last = point;
    }
    AddLine(last, start);
}

// Curves that miss the box are drawn as their chord: left of it only the rows they span count,
// elsewhere nothing. Long curves are halved until each half takes a few pieces, so that only the
// halves that reach the box are flattened, the same halves whatever the box.
void CoverageRasterizer::AddCubic(const QPointF& from, const QPointF& first, const QPointF& second, const QPointF& to)
{
    const double left = std::min({from.x(), first.x(), second.x(), to.x()});
    const double right = std::max({from.x(), first.x(), second.x(), to.x()});
    const double top = std::min({from.y(), first.y(), second.y(), to.y()});
    const double bottom = std::max({from.y(), first.y(), second.y(), to.y()});
    if (right <= m_area.left() || left >= m_area.right() || bottom <= m_area.top() || top >= m_area.bottom()) {
        AddLine(from, to);
        return;
    }
    // A cubic's second derivative bounds how far its chords stray.
    const double bend = std::sqrt(std::max(SquaredLength(from - 2.0 * first + second), SquaredLength(first - 2.0 * second + to)));
    const double pieces = std::ceil(std::sqrt(0.75 * bend / kFlatness) - kTieBreak);
    if (pieces > kMostPieces) {
        const QPointF a = Between(from, first, 0.5);
        const QPointF b = Between(first, second, 0.5);
        const QPointF c = Between(second, to, 0.5);
        const QPointF ab = Between(a, b, 0.5);
        const QPointF bc = Between(b, c, 0.5);
        const QPointF middle = Between(ab, bc, 0.5);
        AddCubic(from, a, ab, middle);
        AddCubic(middle, bc, c, to);
        return;
    }
    const int count = std::max(1, static_cast<int>(pieces));
    QPointF previous = from;
    for (int i = 1; i < count; ++i) {
        const double t = static_cast<double>(i) / count;
        const QPointF a = Between(from, first, t);
        const QPointF b = Between(first, second, t);
        const QPointF c = Between(second, to, t);
        const QPointF point = Between(Between(a, b, t), Between(b, c, t), t);
        AddLine(previous, point);
        previous = point;
    }
    AddLine(previous, to);
}

// A line above or below the box's rows, or right of it, changes nothing in it: such lines are
// most of an outline that reaches into a strip from others.
void CoverageRasterizer::AddLine(QPointF from, QPointF to)
{
    const QRectF& g = m_guard;
    if (from.y() == to.y() || std::max(from.y(), to.y()) <= m_area.top() ||
        std::min(from.y(), to.y()) >= m_area.bottom() || std::min(from.x(), to.x()) >= g.right())
        return;
    if (!Inside(g, from) || !Inside(g, to))
        CutAtGuard(from, to);
    const auto subpixel = [](const QPointF& p) {
        const auto rounded = [](double v) { return Floor(v * kSide + 0.5 + kTieBreak); };
        return Subpixel{rounded(p.x()), rounded(p.y())};
    };
    if (m_antialiasing)
        AddEdge(subpixel(from), subpixel(to));
    else
        AddCentres(subpixel(from), subpixel(to));
}

// Cuts a line reaching past the guard at it: beyond its top or bottom, or right of it, nothing in
// the box changes; left of it only the rows the line spans count, so that part runs down its left
// side.
void CoverageRasterizer::CutAtGuard(QPointF& from, QPointF& to)
{
    const QRectF& g = m_guard;
    for (QPointF* point : {&from, &to}) {
        const QPointF& other = point == &from ? to : from;
        const double y = std::clamp(point->y(), g.top(), g.bottom());
        if (y != point->y())
            *point = QPointF(Between(*point, other, (y - point->y()) / (other.y() - point->y())).x(), y);
    }
    if (std::max(from.x(), to.x()) <= g.left()) {
        from.setX(g.left());
        to.setX(g.left());
    }
    for (QPointF* point : {&from, &to}) {
        const QPointF& other = point == &from ? to : from;
        const double x = std::clamp(point->x(), g.left(), g.right());
        if (x == point->x())
            continue;
        const QPointF cut(x, Between(*point, other, (x - point->x()) / (other.x() - point->x())).y());
        if (x == g.left())
            point == &from ? AddLine(QPointF(x, from.y()), cut) : AddLine(cut, QPointF(x, to.y()));
        *point = cut;
    }
}

// Adds the edge's share to every cell it crosses, row by row along the edge. Where it leaves a row
// or a column the edge is placed at the floor of its exact position, so every rendering places it
// the same.
void CoverageRasterizer::AddEdge(const Subpixel& from, const Subpixel& to)
{
    const std::int64_t low = std::max(std::min(from.y, to.y), m_box.top() * kSide);
    const std::int64_t high = std::min(std::max(from.y, to.y), (m_box.bottom() + 1) * kSide);
    if (low >= high)
        return;
    const std::int64_t row = Cell(low);
    const std::int64_t cell = Cell(std::min(from.x, to.x));
    if (high <= (row + 1) * kSide && std::max(from.x, to.x) <= (cell + 1) * kSide && cell >= m_box.left() &&
        cell <= m_box.right() && low == std::min(from.y, to.y) && high == std::max(from.y, to.y)) {
        // Most pieces of a flattened curve stay in one cell.
        AddCell(row, cell, from.x - cell * kSide, from.y - row * kSide, to.x - cell * kSide, to.y - row * kSide);
        return;
    }
    if (from.x == to.x) {
        AddColumn(from.x, from.y < to.y, low, high);
        return;
    }
    const std::int64_t dx = to.x - from.x;
    const std::int64_t dy = to.y - from.y;
    const bool down = dy > 0;
    FloorRatio rowCrossing(dx, dy, down ? kSide : -kSide);
    FloorRatio columnCrossing(dy, dx, dx > 0 ? kSide : -kSide);
    const auto xAt = [&](std::int64_t y) {
        return y == from.y ? from.x : y == to.y ? to.x : from.x + rowCrossing.At(y - from.y);
    };
    const std::int64_t end = down ? high : low;
    std::int64_t y = down ? low : high;
    std::int64_t x = xAt(y);
    while (y != end) {
        const std::int64_t r = down ? Cell(y) : CeilCell(y) - 1;
        const std::int64_t nextY = down ? std::min(end, (r + 1) * kSide) : std::max(end, r * kSide);
        const std::int64_t nextX = xAt(nextY);
        AddRowPiece(from, columnCrossing, r, x, y - r * kSide, nextX, nextY - r * kSide);
        x = nextX;
        y = nextY;
    }
}

// A vertical edge at x from `low` to `high` (within the box's rows) stays in one cell of each row
// it spans, and every row but its first and last takes the same whole piece. Stems, rules and
// boxes are mostly such edges.
void CoverageRasterizer::AddColumn(std::int64_t x, bool down, std::int64_t low, std::int64_t high)
{
    const std::int64_t cell = Cell(x);
    if (cell > m_box.right())
        return;
    const std::int64_t across = x - cell * kSide;
    const auto piece = [&](std::int64_t row, std::int64_t top, std::int64_t bottom) {
        if (down)
            AddCell(row, cell, across, top, across, bottom);
        else
            AddCell(row, cell, across, bottom, across, top);
    };
    const std::int64_t first = Cell(low);
    const std::int64_t last = CeilCell(high) - 1;
    piece(first, low - first * kSide, std::min(high - first * kSide, kSide));
    if (last == first)
        return;
    piece(last, 0, high - last * kSide);
    const CellShare whole = down ? ShareOf(cell, across, 0, across, kSide) : ShareOf(cell, across, kSide, across, 0);
    for (std::int64_t row = first + 1; row < last; ++row)
        AddShare(row, whole);
}

// The part of the edge within one row, from (startX, startY) to (endX, endY), the y relative to
// the row; `columnCrossing` gives the edge's y where it meets a column. Cells left of the box add
// their cover to its first column; cells right of it nothing.
void CoverageRasterizer::AddRowPiece(const Subpixel& from, FloorRatio& columnCrossing, std::int64_t row,
                                     std::int64_t startX, std::int64_t startY, std::int64_t endX, std::int64_t endY)
{
    const auto yAt = [&](std::int64_t x) { return from.y + columnCrossing.At(x - from.x) - row * kSide; };
    const std::int64_t leftEdge = m_box.left() * kSide;
    const std::int64_t rightEdge = (m_box.right() + 1) * kSide;
    const int step = endX > startX ? 1 : endX < startX ? -1 : 0;
    std::int64_t x = startX;
    std::int64_t y = startY;
    for (;;) {
        const std::int64_t cell = step < 0 ? CeilCell(x) - 1 : Cell(x);
        std::int64_t nextX = step > 0 ? (cell + 1) * kSide : cell * kSide;
        if (cell < m_box.left()) {
            if (step <= 0 || leftEdge >= endX) {
                AddCell(row, cell, 0, y, 0, endY);
                return;
            }
            nextX = leftEdge;
        } else if (cell > m_box.right()) {
            if (step >= 0 || rightEdge <= endX)
                return;
            x = rightEdge;
            y = yAt(x);
            continue;
        }
        if (step == 0 || (step > 0 ? nextX >= endX : nextX <= endX)) {
            AddCell(row, cell, x - cell * kSide, y, endX - cell * kSide, endY);
            return;
        }
        const std::int64_t nextY = yAt(nextX);
        AddCell(row, cell, x - cell * kSide, y, nextX - cell * kSide, nextY);
        x = nextX;
        y = nextY;
    }
}

// Without antialiasing: where the edge crosses the centre line of a row, the winding changes from
// the first pixel whose centre lies on or right of the crossing.
void CoverageRasterizer::AddCentres(const Subpixel& from, const Subpixel& to)
{
    const Subpixel& upper = from.y < to.y ? from : to;
    const Subpixel& lower = from.y < to.y ? to : from;
    const std::int32_t winding = from.y < to.y ? static_cast<std::int32_t>(kFull) : -static_cast<std::int32_t>(kFull);
    const std::int64_t dx = lower.x - upper.x;
    const std::int64_t dy = lower.y - upper.y;
    const std::int64_t half = kSide / 2;
    const std::int64_t first = std::max<std::int64_t>(m_box.top(), CeilCell(upper.y - half));
    const std::int64_t last = std::min<std::int64_t>(m_box.bottom(), CeilCell(lower.y - half) - 1);
    for (std::int64_t row = first; row <= last; ++row) {
        const std::int64_t across = dx * (row * kSide + half - upper.y);
        const std::int64_t whole = FloorDiv(across, dy);
        const std::int64_t left = upper.x - half + whole;
        const std::int64_t column = (across - whole * dy == 0 ? CeilCell(left) : Cell(left) + 1);
        if (column > m_box.right())
            continue;
        const int touched = static_cast<int>(std::max<std::int64_t>(column - m_box.left(), 0));
        m_sums[static_cast<std::size_t>((row - m_box.top()) * m_stride + touched)] += winding;
        Touch(row, touched);
    }
}

// Turns each row's running sums into coverage and clears them for the next outline.
void CoverageRasterizer::Sweep(const Plane& mask)
{
    for (int y = 0; y < m_box.height(); ++y)
        SweepRow(m_box.top() + y, mask.Row(m_box.top() + y) + m_box.left());
}

// Only the groups of columns whose sums were touched are summed pixel by pixel; between them the
// coverage stays as it is, written whole where the outline covers the pixels and left out of the
// spans where it does not, unless the gap is short. Past the last touched group the coverage
// stays too: nothing where the outline closed within the box, to the box's edge where it did not.
void CoverageRasterizer::SweepRow(int row, std::uint8_t* out)
{
    const int width = m_box.width();
    const std::size_t y = static_cast<std::size_t>(row - m_box.top());
    std::int32_t* sums = m_sums.data() + y * m_stride;
    std::uint64_t* words = m_touched.data() + y * m_groupWords;
    std::int32_t sum = 0;
    std::uint8_t coverage = 0;
    int left = -1;  // where the open span starts; -1 when none is open
    int x = 0;      // the pixels before x are done
    const auto coverUpTo = [&](int end) {
        if (coverage != 0 || (left >= 0 && end - x <= kRun)) {
            std::memset(out + x, coverage, static_cast<std::size_t>(end - x));
            left = left < 0 ? x : left;
        } else if (left >= 0) {
            m_spans.push_back({row, left + m_box.left(), x + m_box.left()});
            left = -1;
        }
        x = end;
    };
    for (int word = 0; word < m_groupWords; ++word) {
        for (std::uint64_t bits = std::exchange(words[word], 0); bits != 0; bits &= bits - 1) {
            const int start = (word * 64 + __builtin_ctzll(bits)) * kRun;
            coverUpTo(start);
            left = left < 0 ? start : left;
            for (const int end = std::min(start + kRun, width); x < end; ++x) {
                sum += sums[x];
                sums[x] = 0;
                const std::uint64_t v = static_cast<std::uint64_t>(std::abs(static_cast<std::int64_t>(sum)));
                coverage = static_cast<std::uint8_t>(v >= kFull ? 255 : (v * 255 + kFull / 2) / kFull);
                out[x] = coverage;
            }
        }
    }
    sums[width] = 0;  // touched by edges at the box's right edge, never summed
    if (coverage != 0)
        coverUpTo(width);
    if (left >= 0 && x > left)
        m_spans.push_back({row, left + m_box.left(), x + m_box.left()});
}

}  // namespace kiln
