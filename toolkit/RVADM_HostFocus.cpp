#include "toolkit/RVADM_HostFocus.h"

#include "toolkit/RVADM_Host.h"
#include "toolkit/internal/RVADM_FocusRules.h"

#include "plugin/suites/AIContextSuite.h"
#include "plugin/suites/AIPanelSuite.h"

namespace qRVADM {

AIWindowRef RVADM_HostFocus::GetHostWindow()
{
    const AIContextSuite* context = RVADM_Host::Get().context;
    AIWindowRef window = nullptr;
    if (context == nullptr || context->GetPlatformAppWindow == nullptr ||
        context->GetPlatformAppWindow(&window) != kNoErr)
        return nullptr;
    return window;
}

bool RVADM_HostFocus::GetPanelScreenPosition(AIPanelRef panel, AIPoint& position)
{
    const AIPanelSuite* panels = RVADM_Host::Get().panel;
    AIRect bounds{};
    if (panel == nullptr || panels == nullptr || panels->GetPlatformWindowBounds(panel, &bounds) != kNoErr)
        return false;
    position = internal::PanelScreenPosition(bounds, RVADM_Host::UIScaleFactor());
    return true;
}

} // namespace qRVADM
