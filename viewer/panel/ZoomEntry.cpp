#include "viewer/panel/ZoomEntry.h"

#include "toolkit/RVADM_DropDownList.h"

ZoomEntry::ZoomEntry(qRVADM::RVADM_DropDownList* menu, const char* label, double value)
    : RVADM_ComboEntry(menu, label, true), m_value(value)
{
}
