#include "toolkit/RVADM_PictureToggle.h"

namespace qRVADM {

RVADM_PictureToggle::RVADM_PictureToggle(RVADM_ItemParent* parent, std::int32_t pictureId)
    : RVADM_PicturePushButton(parent, pictureId)
{
    SetCheckable(true);
}

} // namespace qRVADM
