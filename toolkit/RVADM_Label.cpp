#include "toolkit/RVADM_Label.h"

#include "toolkit/internal/RVADM_ControlSetup.h"

#include <QColor>
#include <QPalette>

namespace qRVADM {
namespace {

// Sets `role` of the widget's own palette, or, for an invalid colour, lets the role follow the
// palette the widget inherits again.
void SetOwnColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget.palette();
    if (colour.isValid())
        palette.setColor(role, colour);
    else
        palette.resolve(palette.resolve() & ~(1u << role));
    widget.setPalette(palette);
}

} // namespace

RVADM_Label::RVADM_Label(RVADM_ItemParent* parent, const char* text, bool localize)
    : RVADM_QMetaObjectProxy(parent, kKindLabel)
{
    internal::SetUpControl(*this, text, localize);
}

void RVADM_Label::SetJustify(Qt::Alignment alignment)
{
    setAlignment(alignment);
}

void RVADM_Label::SetWordWrap(bool wrap)
{
    setWordWrap(wrap);
}

void RVADM_Label::SetTextColor(const QColor& colour)
{
    SetOwnColour(*this, QPalette::WindowText, colour);
}

void RVADM_Label::SetBackgroundColor(const QColor& colour)
{
    SetOwnColour(*this, QPalette::Window, colour);
    setAutoFillBackground(colour.isValid());
}

void RVADM_Label::SetBuddy(RVADM_Item* item)
{
    setBuddy(item != nullptr ? item->GetWidget() : nullptr);
}

void RVADM_Label::mousePressEvent(QMouseEvent* event)
{
    if (GetDialog() != nullptr)
        CallDialogSlot("OnLabelClicked");
    QLabel::mousePressEvent(event);
}

} // namespace qRVADM
