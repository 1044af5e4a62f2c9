#include "sim/kiln/MarkBatch.h"

#include "sim/host/HostSimDocumentAccessSuite.h"

#include <QPainterPathStroker>

#include <cmath>
#include <future>
#include <system_error>

namespace kiln {
namespace {

constexpr std::size_t kBatch = 512;
constexpr double kMiterLimit = 4.0;

QPainterPath Stroked(const QPainterPath& outline, double width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setMiterLimit(kMiterLimit);
    return stroker.createStroke(outline);
}

// A rectangle inside the filled outline of an item of that kind with that bounding box: the box
// of a rectangle, the largest rectangle within an ellipse; empty for other kinds.
QRectF SolidPart(ASInt32 kind, const QRectF& box)
{
    if (kind == kHostSimRectangle)
        return box;
    if (kind != kHostSimEllipse)
        return {};
    const double inside = 1.0 / std::sqrt(2.0);
    QRectF part(0.0, 0.0, box.width() * inside, box.height() * inside);
    part.moveCenter(box.center());
    return part;
}

}  // namespace

MarkBatch::MarkBatch(std::vector<Mark>& marks) : m_marks(marks) {}

void MarkBatch::AddFill(QPainterPath shape, std::vector<MarkInk> inks, ASInt32 kind)
{
    Add({std::move(shape), 0.0, {}, std::move(inks), kind});
}

void MarkBatch::AddStroke(QPainterPath line, double width, const QTransform& toJob, std::vector<MarkInk> inks)
{
    Add({std::move(line), width, toJob, std::move(inks), kHostSimPath});
}

void MarkBatch::Add(Shape shape)
{
    m_waiting.push_back(std::move(shape));
    if (m_waiting.size() == kBatch)
        Finish();
}

void MarkBatch::Finish()
{
    const std::size_t first = m_marks.size();
    const std::size_t count = m_waiting.size();
    m_marks.resize(first + count);
    const auto make = [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            Shape& waiting = m_waiting[i];
            const bool stroke = waiting.strokeWidth > 0.0;
            QPainterPath shape =
                stroke ? waiting.toJob.map(Stroked(waiting.path, waiting.strokeWidth)) : std::move(waiting.path);
            shape.setFillRule(Qt::WindingFill);
            // A fill's inks spread kTrapWidthMm either side of its outline.
            const QPainterPath trap = stroke ? QPainterPath() : Stroked(shape, 2.0 * kTrapWidthMm);
            Mark& mark = m_marks[first + i];
            mark = Mark{Outline(shape), std::move(waiting.inks), Outline(trap), {}, {}};
            mark.solid = stroke ? QRectF() : SolidPart(waiting.kind, mark.shape.Bounds());
            mark.reach = mark.shape.Bounds().united(mark.trap.Bounds());
        }
    };
    std::future<void> half;
    try {
        half = std::async(std::launch::async, make, count / 2, count);
    } catch (const std::system_error&) {
        make(count / 2, count);  // no thread to be had
    }
    // Should this half throw, the future's destructor still waits for the other.
    make(0, count / 2);
    if (half.valid())
        half.get();
    m_waiting.clear();
}

}  // namespace kiln
