#pragma once

#include <cstdint>
#include <utility>

namespace qRVADM {

class RVADM_ItemParent;

// One object that is both the item (class B, an item class) and its widget (class W, a Qt widget
// class). The widget is created on the parent item's widget, so Qt's parent-child ownership
// deletes the whole object with the dialog.
template <class B, class W>
class RVADM_QMetaObjectProxy : public B, public W
{
public:
    // Further arguments go to the item class's constructor.
    template <class... Args>
    RVADM_QMetaObjectProxy(RVADM_ItemParent* parent, std::uint32_t kind, Args&&... args)
        : B(parent, kind, std::forward<Args>(args)...)
        , W(B::GetParentWidget())
    {
        B::AttachWidget(this);
    }
};

} // namespace qRVADM
