#include "viewer/panel/ZoomInButton.h"

#include "viewer/panel/ZoomMenu.h"

ZoomInButton::ZoomInButton(qRVADM::RVADM_ItemParent* parent, ZoomMenu* menu)
    : ZoomButton(parent, kPicture, menu, &ZoomMenu::ZoomIn)
{
    SetAccessibleName("Zoom in", true);
}
