#pragma once

#include "toolkit/RVADM_MessageDialog.h"

namespace qRVADM {

// A message dialog with the critical icon; runs in its constructor like its base.
class RVADM_CriticalMessageDialog : public RVADM_MessageDialog
{
    Q_OBJECT

public:
    // The process-wide icon of critical message dialogs, 16103 until changed.
    static std::int32_t GetIconId();
    static void SetIconId(std::int32_t id);

    RVADM_CriticalMessageDialog(const char* heading, bool localizeHeading, const char* message,
                                bool localizeMessage, const char* button0, const char* button1, bool noDefault);
    RVADM_CriticalMessageDialog(const char* heading, bool localizeHeading, const char* message,
                                bool localizeMessage, const char* button0, const char* button1,
                                const char* button2, int defaultIndex, int cancelIndex,
                                const char* const* tips = nullptr);

    // A single "OK" button under `heading` and `message`, both shown as given (already
    // translated). Has the shape of the plug-in core's critical message hook
    // (TKW_CriticalMessageHook), which the toolkit-aware plug-in installs.
    static void ShowOkMessage(const char* heading, const char* message);
};

} // namespace qRVADM
