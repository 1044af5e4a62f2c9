#include "viewer/ZoomEntry.h"

#include "viewer/ZoomMenu.h"

ZoomEntry::ZoomEntry(ZoomMenu* menu, const char* label, double value)
    : RVADM_ComboEntry(menu, label, true), m_value(value)
{
}
