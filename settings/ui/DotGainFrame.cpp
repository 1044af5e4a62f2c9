#include "settings/ui/DotGainFrame.h"

DotGainFrame::DotGainFrame(qRVADM::RVADM_ItemParent* parent) : RVADM_Frame(parent)
{
    SetFrameStyle(QFrame::NoFrame, QFrame::Plain);
}
