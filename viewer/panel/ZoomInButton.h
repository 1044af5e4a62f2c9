#pragma once

#include "viewer/panel/ZoomButton.h"

// The zoom section's zoom-in button: the next larger level, or a custom step past the largest.
class ZoomInButton final : public ZoomButton
{
public:
    static constexpr std::int32_t kPicture = 16028;

    ZoomInButton(qRVADM::RVADM_ItemParent* parent, ZoomMenu* menu);
};
