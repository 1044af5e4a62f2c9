#pragma once

#include "toolkit/RVADM_Types.h"

namespace qRVADM {

// Widget-free rectangle arithmetic behind the placement helpers.
class RectAlignment
{
public:
    // Which side of the reference a moved rectangle goes to.
    enum class Side
    {
        Below,
        Above,
        RightOf,
        LeftOf,
    };

    // `item` aligned to `reference` by the `ItemAlignment` bits of `flags`, applied in the fixed
    // order stretch left, stretch right, move left, move right, centre, then the same vertically;
    // a later bit overrides an earlier one. The width and height used are those of `item`.
    static RVADM_Rect Align(const RVADM_Rect& reference, const RVADM_Rect& item, std::uint32_t flags);

    // `item` moved (size kept) to `side` of `reference`, `spacing` pixels away.
    static RVADM_Rect MoveBeside(const RVADM_Rect& reference, const RVADM_Rect& item, Side side,
                                 std::int32_t spacing);

    // The smallest rectangle holding both; an empty rectangle (no area) does not contribute.
    static RVADM_Rect Union(const RVADM_Rect& a, const RVADM_Rect& b);

    // `rect` grown outward by the given amounts on each side.
    static RVADM_Rect Grow(const RVADM_Rect& rect, const RVADM_Rect& by);
};

} // namespace qRVADM
