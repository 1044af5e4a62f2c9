#include "plugin/AppStartupNotifier.h"

#include "plugin/TKW_AIPlugin.h"

AppStartupNotifier::AppStartupNotifier(TKW_AIPlugin* plugin)
    : TKW_AINotifier(plugin, "AIPlugWrap Plugin Startup Notifier", "AI Application Started Notifier")
{
}

ASErr AppStartupNotifier::Notify(AINotifierMessage*)
{
    GetPlugin()->HandleApplicationStarted();
    return kNoErr;
}
