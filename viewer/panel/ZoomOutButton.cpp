#include "viewer/panel/ZoomOutButton.h"

#include "viewer/panel/ZoomMenu.h"

ZoomOutButton::ZoomOutButton(qRVADM::RVADM_ItemParent* parent, ZoomMenu* menu)
    : ZoomButton(parent, kPicture, menu, &ZoomMenu::ZoomOut)
{
    SetAccessibleName("Zoom out", true);
}
