#include "sim/kiln/MarkBatch.h"

#include "sim/host/HostSimDocumentAccessSuite.h"

#include <QPainterPathStroker>

#include <cmath>

namespace kiln {
namespace {

constexpr std::size_t kBatch = 512;
// Parts of a batch that the two threads take in turn.
constexpr int kParts = 8;
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
    const auto make = [&](int part, int) {
        const std::size_t end = count * static_cast<std::size_t>(part + 1) / kParts;
        for (std::size_t i = count * static_cast<std::size_t>(part) / kParts; i < end; ++i) {
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
    m_helper.Run(kParts, make);
    m_waiting.clear();
}

}  // namespace kiln
