#include "toolkit/RVADM_RadioGroup.h"

#include <QButtonGroup>

namespace qRVADM {

RVADM_RadioGroup::RVADM_RadioGroup(RVADM_ItemParent* parent)
    : m_parent(parent)
    , m_group(std::make_unique<QButtonGroup>())
{
    m_group->setExclusive(true);
}

RVADM_RadioGroup::~RVADM_RadioGroup() = default;

RVADM_Dialog* RVADM_RadioGroup::GetDialog() const
{
    return m_parent != nullptr ? m_parent->GetDialog() : nullptr;
}

QWidget* RVADM_RadioGroup::GetWidget()
{
    return m_parent != nullptr ? m_parent->GetWidget() : nullptr;
}

} // namespace qRVADM
