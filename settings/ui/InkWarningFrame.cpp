#include "settings/ui/InkWarningFrame.h"

InkWarningFrame::InkWarningFrame(qRVADM::RVADM_ItemParent* parent) : RVADM_Frame(parent)
{
    SetFrameStyle(QFrame::NoFrame, QFrame::Plain);
}
