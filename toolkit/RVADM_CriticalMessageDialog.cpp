#include "toolkit/RVADM_CriticalMessageDialog.h"

namespace qRVADM {
namespace {

std::int32_t g_criticalIconId = 16103;

} // namespace

std::int32_t RVADM_CriticalMessageDialog::GetIconId()
{
    return g_criticalIconId;
}

void RVADM_CriticalMessageDialog::SetIconId(std::int32_t id)
{
    g_criticalIconId = id;
}

RVADM_CriticalMessageDialog::RVADM_CriticalMessageDialog(const char* heading, bool localizeHeading,
                                                         const char* message, bool localizeMessage,
                                                         const char* button0, const char* button1, bool noDefault)
    : RVADM_MessageDialog(GetIconId(), heading, localizeHeading, message, localizeMessage, button0, button1, noDefault)
{
}

RVADM_CriticalMessageDialog::RVADM_CriticalMessageDialog(const char* heading, bool localizeHeading,
                                                         const char* message, bool localizeMessage,
                                                         const char* button0, const char* button1,
                                                         const char* button2, int defaultIndex, int cancelIndex,
                                                         const char* const* tips)
    : RVADM_MessageDialog(GetIconId(), heading, localizeHeading, message, localizeMessage, button0, button1, button2,
                          defaultIndex, cancelIndex, tips)
{
}

void RVADM_CriticalMessageDialog::ShowOkMessage(const char* heading, const char* message)
{
    const RVADM_CriticalMessageDialog dialog(heading, false, message, false, nullptr, "OK", true);
}

} // namespace qRVADM
