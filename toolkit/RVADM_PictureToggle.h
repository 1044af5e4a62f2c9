#pragma once

#include "toolkit/RVADM_PicturePushButton.h"

namespace qRVADM {

// A picture button that stays pressed: each click toggles it and notifies code 2.
class RVADM_PictureToggle : public RVADM_PicturePushButton
{
public:
    RVADM_PictureToggle(RVADM_ItemParent* parent, std::int32_t pictureId);
};

} // namespace qRVADM
