#pragma once

#include "toolkit/RVADM_ComboEntry.h"

// One row of the zoom menu: a localised label and its value, a zoom percentage or one of the fit
// values of ZoomMenuModel.h. The menu owns its entries.
class ZoomEntry final : public qRVADM::RVADM_ComboEntry
{
public:
    // Appends the row; `label` is the English resource key.
    ZoomEntry(qRVADM::RVADM_DropDownList* menu, const char* label, double value);

    double GetValue() const { return m_value; }

private:
    double m_value;
};
