#pragma once

#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_NonModalDialog.h"

namespace toolkittest {

// A panel whose items the test creates in `create` (after the base has made the flyout menu) and
// places in `layout`; records its hooks and the items it is notified about.
class TestPanel : public qRVADM::RVADM_NonModalDialog, public HookLog
{
public:
    void CreateItems() override
    {
        RVADM_NonModalDialog::CreateItems();
        Log("CreateItems", create);
    }
    void CommitItems() override { Log("CommitItems"); }
    void Layout() override { Log("Layout", layout); }
    void OnNotify(qRVADM::RVADM_Item* item) override { notified.push_back(item); }
    void OnCustomEvent(QEvent*) override { Log("OnCustomEvent"); }

    std::function<void()> create, layout;
    std::vector<qRVADM::RVADM_Item*> notified;
};

} // namespace toolkittest
