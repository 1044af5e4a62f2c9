#pragma once

#include "toolkit/RVADM_Frame.h"

// The frame around the panel's dot gain label and list: no border of its own, so that it blends
// into the panel's bottom bar.
class DotGainFrame final : public qRVADM::RVADM_Frame
{
public:
    explicit DotGainFrame(qRVADM::RVADM_ItemParent* parent);
};
