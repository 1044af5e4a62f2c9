#include "plugin/TKW_StartupActionNotifier.h"

#include "plugin/TKW_AIPlugin.h"

TKW_StartupActionNotifier::TKW_StartupActionNotifier(TKW_AIPlugin* plugin)
    : TKW_AINotifier(plugin, "TKW_StartupActionNotifier", "AI OwlApp Init Dispatched Notifier")
{
}

ASErr TKW_StartupActionNotifier::Notify(AINotifierMessage*)
{
    SetActive(false);
    GetPlugin()->RunStartupActions();
    delete this;
    return kNoErr;
}
