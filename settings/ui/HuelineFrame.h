#pragma once

#include "toolkit/RVADM_Frame.h"

// The frame around the connection status light and title: no border of its own, so that it
// blends into the panel's bottom bar.
class HuelineFrame final : public qRVADM::RVADM_Frame
{
public:
    explicit HuelineFrame(qRVADM::RVADM_ItemParent* parent);
};
