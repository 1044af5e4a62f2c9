#include "viewer/events/DocJobIDTimer.h"

DocJobIDTimer::DocJobIDTimer(TKW_AIPlugin* plugin) : TKW_AITimer(plugin, "TKOYDocJobIDTimer", 1)
{
    SetActive(false);
}
