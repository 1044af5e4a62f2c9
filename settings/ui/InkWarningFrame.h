#pragma once

#include "toolkit/RVADM_Frame.h"

// The frame around the ink warning icon: no border of its own, so that it blends into the
// panel's bottom bar.
class InkWarningFrame final : public qRVADM::RVADM_Frame
{
public:
    explicit InkWarningFrame(qRVADM::RVADM_ItemParent* parent);
};
