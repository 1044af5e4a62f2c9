#pragma once

namespace qRVADM {

class RVADM_Item;

namespace internal {

// An item whose double-clicked entries act on another item (a list box and its default button):
// the list classes implement it.
class RVADM_DoubleClickSource
{
public:
    RVADM_DoubleClickSource() = default;
    RVADM_DoubleClickSource(const RVADM_DoubleClickSource&) = delete;
    RVADM_DoubleClickSource& operator=(const RVADM_DoubleClickSource&) = delete;
    virtual ~RVADM_DoubleClickSource() = default;

    // The item that receives code 2 on a double click, or null.
    virtual RVADM_Item* GetDoubleClickTarget() const = 0;
};

} // namespace internal
} // namespace qRVADM
