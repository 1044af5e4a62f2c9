#pragma once

#include "viewer/panel/ZoomButton.h"

// The zoom section's zoom-out button: the next smaller level, or a custom step below a custom
// zoom; nothing below the smallest level.
class ZoomOutButton final : public ZoomButton
{
public:
    static constexpr std::int32_t kPicture = 16029;

    ZoomOutButton(qRVADM::RVADM_ItemParent* parent, ZoomMenu* menu);
};
