#include "settings/ui/HuelineFrame.h"

HuelineFrame::HuelineFrame(qRVADM::RVADM_ItemParent* parent) : RVADM_Frame(parent)
{
    SetFrameStyle(QFrame::NoFrame, QFrame::Plain);
}
