#pragma once

#include "toolkit/RVADM_ItemParent.h"

#include <memory>

class QButtonGroup;

namespace qRVADM {

// Groups radio items so that one is checked at a time. It has no widget of its own: items created
// on it lie on its parent and report that parent as theirs. Owned by the application.
class RVADM_RadioGroup final : public RVADM_ItemParent
{
public:
    explicit RVADM_RadioGroup(RVADM_ItemParent* parent);
    ~RVADM_RadioGroup() override;

    RVADM_Dialog* GetDialog() const override;
    QWidget* GetWidget() override;
    using internal::RVADM_ItemBase::GetWidget;

    RVADM_ItemParent* GetParent() const { return m_parent; }
    QButtonGroup& GetButtonGroup() { return *m_group; }

private:
    RVADM_ItemParent* m_parent;
    std::unique_ptr<QButtonGroup> m_group;
};

} // namespace qRVADM
