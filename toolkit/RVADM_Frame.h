#pragma once

#include "toolkit/RVADM_Item.h"
#include "toolkit/RVADM_ItemParent.h"
#include "toolkit/RVADM_QMetaObjectProxy.h"

#include <QFrame>

namespace qRVADM {

// A frame that is both an item and the parent of the items inside it (in its own coordinates).
// Its margins follow the style's frame width m: m, m/2, m, m.
class RVADM_Frame : public RVADM_QMetaObjectProxy<RVADM_Item, QFrame>, public RVADM_ItemParent
{
public:
    explicit RVADM_Frame(RVADM_ItemParent* parent);

    // Sets the Qt frame shape and shadow and takes the margins of the new frame width.
    void SetFrameStyle(QFrame::Shape shape, QFrame::Shadow shadow);
};

} // namespace qRVADM
