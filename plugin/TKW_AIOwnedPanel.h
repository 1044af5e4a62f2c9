#pragma once

// A panel dialog owned by the plug-in (TKW_AIPlugin::AddOwnedPanel). At application shut-down the
// plug-in calls CommitItems, then deletes the panel.
class TKW_AIOwnedPanel
{
public:
    virtual ~TKW_AIOwnedPanel() = default;

    // Stores what the panel keeps across sessions.
    virtual void CommitItems() = 0;
};
