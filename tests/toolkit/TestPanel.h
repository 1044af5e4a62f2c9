#pragma once

#include "toolkit/RVADM_NonModalDialog.h"

#include <functional>
#include <vector>

namespace toolkittest {

// A panel whose items the test creates in `create` (after the base has made the flyout menu) and
// places in `layout`; records the items it is notified about.
class TestPanel : public qRVADM::RVADM_NonModalDialog
{
public:
    void CreateItems() override
    {
        RVADM_NonModalDialog::CreateItems();
        if (create)
            create();
    }
    void Layout() override
    {
        if (layout)
            layout();
    }
    void OnNotify(qRVADM::RVADM_Item* item) override { notified.push_back(item); }

    std::function<void()> create;
    std::function<void()> layout;
    std::vector<qRVADM::RVADM_Item*> notified;
};

} // namespace toolkittest
