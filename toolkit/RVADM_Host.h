#pragma once

#include "plugin/suites/SPTypes.h"

struct AIContextSuite;
struct AIPanelFlyoutMenuSuite;
struct AIPanelSuite;
struct AIUnicodeStringSuite;
struct AIUserSuite;
struct ASUserInteractionSuite;

namespace qRVADM {

// The host as the toolkit sees it: the plug-in reference and the suites the toolkit calls. The
// plug-in core installs them once its suites are acquired and clears them at shut-down; every
// pointer may be null, and each caller then does without that host service.
class RVADM_Host
{
public:
    struct Suites
    {
        SPPluginRef plugin = nullptr;
        const AIContextSuite* context = nullptr;
        const AIPanelSuite* panel = nullptr;
        const AIPanelFlyoutMenuSuite* flyoutMenu = nullptr;
        const AIUserSuite* user = nullptr;
        const ASUserInteractionSuite* interaction = nullptr;
        const AIUnicodeStringSuite* unicodeString = nullptr;
    };

    static void Install(const Suites& suites);
    static const Suites& Get();

    // True unless the host's "AS User Interaction Suite" says that dialogs may not be shown.
    static bool IsUserInteractionAllowed();
    // The host's user-interface scale factor; 1 without the "AI User Suite".
    static double UIScaleFactor();
};

} // namespace qRVADM
