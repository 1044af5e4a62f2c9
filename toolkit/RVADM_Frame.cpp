#include "toolkit/RVADM_Frame.h"

#include <QStyle>

namespace qRVADM {

RVADM_Frame::RVADM_Frame(RVADM_ItemParent* parent)
    : RVADM_QMetaObjectProxy(parent, kKindFrame)
{
    SetFrameStyle(QFrame::StyledPanel, QFrame::Sunken);
}

void RVADM_Frame::SetFrameStyle(QFrame::Shape shape, QFrame::Shadow shadow)
{
    setFrameStyle(shape | shadow);
    const int styleWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    SetMarginsFromFrameWidth(shape == QFrame::NoFrame ? 0 : styleWidth);
}

} // namespace qRVADM
