#include "toolkit/internal/RVADM_ItemBase.h"

namespace qRVADM::internal {

RVADM_ItemBase::~RVADM_ItemBase() = default;

const QWidget* RVADM_ItemBase::GetWidget() const
{
    return const_cast<RVADM_ItemBase*>(this)->GetWidget();
}

} // namespace qRVADM::internal
