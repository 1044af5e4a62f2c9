#pragma once

#include "toolkit/RVADM_Item.h"
#include "toolkit/RVADM_QMetaObjectProxy.h"

#include <QLabel>

class QColor;

namespace qRVADM {

// A text label. A mouse press notifies code 2 through the dialog's "OnLabelClicked" before the
// label itself handles the press.
class RVADM_Label : public RVADM_QMetaObjectProxy<RVADM_Item, QLabel>
{
public:
    // `text` may be null (no text); with `localize` it is a resource key.
    RVADM_Label(RVADM_ItemParent* parent, const char* text, bool localize = false);

    void SetJustify(Qt::Alignment alignment);
    void SetWordWrap(bool wrap);
    // An invalid colour gives the label the style's text colour again.
    void SetTextColor(const QColor& colour);
    // An invalid colour paints no background.
    void SetBackgroundColor(const QColor& colour);
    // The item whose widget takes the focus for the label's mnemonic; null for none.
    void SetBuddy(RVADM_Item* item);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace qRVADM
