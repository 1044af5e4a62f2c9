#pragma once

#include "plugin/suites/SPTypes.h"
#include "sim/kiln/HelperThread.h"
#include "sim/kiln/Job.h"

#include <QPainterPath>
#include <QTransform>

#include <vector>

namespace kiln {

// Turns the shapes of a generation into marks: strokes and trap bands stroked, outlines made.
// That is most of a generation's work, so shapes wait in batches whose parts the caller's thread
// and a HelperThread make into marks; a batch is done before the next shape is added past it and
// before Finish returns. The marks are appended in the order their shapes were added.
class MarkBatch
{
public:
    explicit MarkBatch(std::vector<Mark>& marks);
    MarkBatch(const MarkBatch&) = delete;
    MarkBatch& operator=(const MarkBatch&) = delete;

    // A filled shape (mm) of an item of that kind (kHostSimRectangle, ...), trapped.
    void AddFill(QPainterPath shape, std::vector<MarkInk> inks, ASInt32 kind);
    // A line stroked that wide, both in artwork points, then mapped into the job; not trapped.
    void AddStroke(QPainterPath line, double width, const QTransform& toJob, std::vector<MarkInk> inks);
    // Makes the marks of the shapes still waiting.
    void Finish();

private:
    struct Shape
    {
        QPainterPath path;
        double strokeWidth;  // 0 for a fill
        QTransform toJob;    // a stroke's
        std::vector<MarkInk> inks;
        ASInt32 kind;
    };

    void Add(Shape shape);

    std::vector<Mark>& m_marks;
    std::vector<Shape> m_waiting;
    HelperThread m_helper;
};

}  // namespace kiln
