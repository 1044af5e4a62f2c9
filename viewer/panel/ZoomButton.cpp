#include "viewer/panel/ZoomButton.h"

#include "viewer/panel/ZoomMenu.h"

ZoomButton::ZoomButton(qRVADM::RVADM_ItemParent* parent, std::int32_t pictureId, ZoomMenu* menu, Step step)
    : RVADM_PicturePushButton(parent, pictureId), m_menu(menu), m_step(step)
{
    SetAutoRaise(true);
}

void ZoomButton::Notify(std::int32_t code)
{
    if (code == qRVADM::kNotifyUserChanged)
        (m_menu->*m_step)();
    RVADM_PicturePushButton::Notify(code);
}
