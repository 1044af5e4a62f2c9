#include "toolkit/RVADM_ComboEntrySeparator.h"

namespace qRVADM {

RVADM_ComboEntrySeparator::RVADM_ComboEntrySeparator(RVADM_DropDownList* combo)
    : RVADM_ComboEntry(combo, SeparatorRow{})
{
}

} // namespace qRVADM
