#pragma once

#include "toolkit/RVADM_PicturePushButton.h"

class ZoomMenu;

// A picture button of the zoom section that steps the zoom menu when clicked (code 2).
class ZoomButton : public qRVADM::RVADM_PicturePushButton
{
public:
    using Step = void (ZoomMenu::*)();

    // Auto-raised; `menu` outlives the button.
    ZoomButton(qRVADM::RVADM_ItemParent* parent, std::int32_t pictureId, ZoomMenu* menu, Step step);

    void Notify(std::int32_t code) override;

private:
    ZoomMenu* m_menu;
    Step m_step;
};
