#include "toolkit/RectAlignment.h"

#include <algorithm>

namespace qRVADM {
namespace {

using EdgeRule = void (*)(std::int32_t refLow, std::int32_t refHigh, std::int32_t size,
                          std::int32_t& low, std::int32_t& high);

void MoveLow(std::int32_t refLow, std::int32_t, std::int32_t size, std::int32_t& low, std::int32_t& high)
{
    low = refLow;
    high = refLow + size;
}

void MoveHigh(std::int32_t, std::int32_t refHigh, std::int32_t size, std::int32_t& low, std::int32_t& high)
{
    high = refHigh;
    low = refHigh - size;
}

void StretchLow(std::int32_t refLow, std::int32_t, std::int32_t, std::int32_t& low, std::int32_t&)
{
    low = refLow;
}

void StretchHigh(std::int32_t, std::int32_t refHigh, std::int32_t, std::int32_t&, std::int32_t& high)
{
    high = refHigh;
}

void Center(std::int32_t refLow, std::int32_t refHigh, std::int32_t size, std::int32_t& low, std::int32_t& high)
{
    low = (refLow + refHigh - size) / 2;
    high = low + size;
}

struct AlignmentStep
{
    std::uint32_t flag;
    bool vertical;
    EdgeRule rule;
};

// The order in which the bits take effect.
constexpr AlignmentStep kSteps[] = {
    {kAlignStretchLeft, false, StretchLow},   {kAlignStretchRight, false, StretchHigh},
    {kAlignMoveLeft, false, MoveLow},         {kAlignMoveRight, false, MoveHigh},
    {kAlignCenterHorizontal, false, Center},  {kAlignStretchTop, true, StretchLow},
    {kAlignStretchBottom, true, StretchHigh}, {kAlignMoveTop, true, MoveLow},
    {kAlignMoveBottom, true, MoveHigh},       {kAlignCenterVertical, true, Center},
};

bool IsEmpty(const RVADM_Rect& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

} // namespace

RVADM_Rect RectAlignment::Align(const RVADM_Rect& reference, const RVADM_Rect& item, std::uint32_t flags)
{
    RVADM_Rect result = item;
    const std::int32_t width = item.Width();
    const std::int32_t height = item.Height();
    for (const AlignmentStep& step : kSteps) {
        if ((flags & step.flag) == 0)
            continue;
        if (step.vertical)
            step.rule(reference.top, reference.bottom, height, result.top, result.bottom);
        else
            step.rule(reference.left, reference.right, width, result.left, result.right);
    }
    return result;
}

RVADM_Rect RectAlignment::MoveBeside(const RVADM_Rect& reference, const RVADM_Rect& item, Side side,
                                     std::int32_t spacing)
{
    RVADM_Rect result = item;
    switch (side) {
    case Side::Below:
        MoveLow(reference.bottom + spacing, 0, item.Height(), result.top, result.bottom);
        break;
    case Side::Above:
        MoveHigh(0, reference.top - spacing, item.Height(), result.top, result.bottom);
        break;
    case Side::RightOf:
        MoveLow(reference.right + spacing, 0, item.Width(), result.left, result.right);
        break;
    case Side::LeftOf:
        MoveHigh(0, reference.left - spacing, item.Width(), result.left, result.right);
        break;
    }
    return result;
}

RVADM_Rect RectAlignment::Union(const RVADM_Rect& a, const RVADM_Rect& b)
{
    if (IsEmpty(a))
        return b;
    if (IsEmpty(b))
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

RVADM_Rect RectAlignment::Grow(const RVADM_Rect& rect, const RVADM_Rect& by)
{
    return {rect.left - by.left, rect.top - by.top, rect.right + by.right, rect.bottom + by.bottom};
}

} // namespace qRVADM
