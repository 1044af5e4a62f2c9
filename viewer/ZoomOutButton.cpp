#include "viewer/ZoomOutButton.h"

#include "viewer/ZoomMenu.h"

ZoomOutButton::ZoomOutButton(qRVADM::RVADM_ItemParent* parent, ZoomMenu* menu)
    : ZoomButton(parent, kPicture, menu, &ZoomMenu::ZoomOut)
{
}
