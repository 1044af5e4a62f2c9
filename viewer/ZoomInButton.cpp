#include "viewer/ZoomInButton.h"

#include "viewer/ZoomMenu.h"

ZoomInButton::ZoomInButton(qRVADM::RVADM_ItemParent* parent, ZoomMenu* menu)
    : ZoomButton(parent, kPicture, menu, &ZoomMenu::ZoomIn)
{
}
