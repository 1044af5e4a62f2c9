#include "sim/kiln/Outline.h"

namespace kiln {

Outline::Outline(const QPainterPath& path) : m_bounds(path.boundingRect())
{
    const int count = path.elementCount();
    m_steps.reserve(static_cast<std::size_t>(count));
    m_points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element& element = path.elementAt(i);
        m_points.emplace_back(element.x, element.y);
        if (element.type == QPainterPath::MoveToElement)
            m_steps.push_back(Step::Move);
        else if (element.type == QPainterPath::LineToElement)
            m_steps.push_back(Step::Line);
        else if (element.type == QPainterPath::CurveToElement)
            m_steps.push_back(Step::Cubic);
    }
    m_steps.shrink_to_fit();
    m_points.shrink_to_fit();
}

}  // namespace kiln
