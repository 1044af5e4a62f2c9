#include "plugin/AppShutdownNotifier.h"

#include "plugin/TKW_AIPlugin.h"

AppShutdownNotifier::AppShutdownNotifier(TKW_AIPlugin* plugin)
    : TKW_AINotifier(plugin, "AIPlugWrap Plugin Shutdown Notifier", "AI Application Shutdown Notifier")
{
}

ASErr AppShutdownNotifier::Notify(AINotifierMessage*)
{
    GetPlugin()->HandleApplicationShutdown();
    return kNoErr;
}
