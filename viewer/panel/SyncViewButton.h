#pragma once

#include "toolkit/RVADM_PictureToggle.h"

#include <functional>

// The view-link toggle: checked, the panel's canvas follows the host's document view and the
// other way round. It shows a linked chain while checked and a broken one otherwise.
class SyncViewButton final : public qRVADM::RVADM_PictureToggle
{
public:
    static constexpr std::int32_t kLinkedPicture = 16051;
    static constexpr std::int32_t kUnlinkedPicture = 16052;

    // Created checked and auto-raised; `pullHostView` brings the host's view into the canvas.
    SyncViewButton(qRVADM::RVADM_ItemParent* parent, std::function<void()> pullHostView);

    // Checks or unchecks without notifying; the picture follows.
    void SetLinked(bool linked);
    // A user click (code 2) that checked the toggle pulls the host's view at once; unchecking
    // only turns the link off.
    void Notify(std::int32_t code) override;

private:
    std::function<void()> m_pullHostView;
};
