#pragma once

class QWidget;

namespace qRVADM {

class RVADM_Dialog;

namespace internal {

// Virtual base of every item and item parent: yields the owning dialog and the Qt widget.
class RVADM_ItemBase
{
public:
    RVADM_ItemBase() = default;
    RVADM_ItemBase(const RVADM_ItemBase&) = delete;
    RVADM_ItemBase& operator=(const RVADM_ItemBase&) = delete;
    virtual ~RVADM_ItemBase();

    // The dialog this object lies on (a dialog answers itself); null when there is none.
    virtual RVADM_Dialog* GetDialog() const = 0;
    // The Qt widget behind this object; null when it has none.
    virtual QWidget* GetWidget() = 0;
    const QWidget* GetWidget() const;
};

} // namespace internal
} // namespace qRVADM
