#include "plugin/TKW_CriticalMessageHook.h"

namespace {

TKW_CriticalMessageHook::Proc g_proc = nullptr;

} // namespace

void TKW_CriticalMessageHook::Install(Proc proc)
{
    g_proc = proc;
}

TKW_CriticalMessageHook::Proc TKW_CriticalMessageHook::Installed()
{
    return g_proc;
}

bool TKW_CriticalMessageHook::Show(const char* title, const char* text)
{
    if (g_proc == nullptr)
        return false;
    g_proc(title, text);
    return true;
}
