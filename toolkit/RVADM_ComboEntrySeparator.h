#pragma once

#include "toolkit/RVADM_ComboEntry.h"

namespace qRVADM {

// A separator line appended to a drop-down list; owned like any combo entry.
class RVADM_ComboEntrySeparator : public RVADM_ComboEntry
{
public:
    explicit RVADM_ComboEntrySeparator(RVADM_DropDownList* combo);
};

} // namespace qRVADM
