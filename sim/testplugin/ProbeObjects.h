#pragma once

// The objects the probe registers. Each logs what reaches it and, when deleted, "~<id>(<n>)"
// with the suite manager's nesting count n at that moment, then tells the probe it is gone.

#include "plugin/TKW_AIMenu.h"
#include "plugin/TKW_AINotifier.h"
#include "plugin/TKW_AIOwnedPanel.h"
#include "plugin/TKW_AITimer.h"

#include <string>

class CoreProbePlugin;

class ProbeNotifier final : public TKW_AINotifier
{
public:
    ProbeNotifier(CoreProbePlugin* probe, ASInt32 id, const char* type);
    ~ProbeNotifier() override;

    // Logs "notify <id>", with " state=0x<hex>" for the modifier-key notification.
    ASErr Notify(AINotifierMessage* message) override;

private:
    CoreProbePlugin* m_probe;
    ASInt32 m_id;
    std::string m_type;
};

class ProbeMenu final : public TKW_AIMenu
{
public:
    ProbeMenu(CoreProbePlugin* probe, ASInt32 id, TKW_AISubMenu* parent, const char* text, ASErr goResult);
    ~ProbeMenu() override;

    ASErr OnAdded() override;
    ASErr Go(AIMenuMessage* message) override;
    ASErr Update(AIMenuMessage* message) override;

private:
    CoreProbePlugin* m_probe;
    ASInt32 m_id;
    ASErr m_goResult;
};

class ProbeTimer final : public TKW_AITimer
{
public:
    ProbeTimer(CoreProbePlugin* probe, ASInt32 id, ASInt32 period);
    ~ProbeTimer() override;

    // Logs "tick <id> <selector>".
    ASErr Go(AITimerMessage* message, const char* selector) override;

private:
    CoreProbePlugin* m_probe;
    ASInt32 m_id;
};

class ProbePanel final : public TKW_AIOwnedPanel
{
public:
    explicit ProbePanel(ASInt32 tag) : m_tag(tag) {}
    ~ProbePanel() override;

    void CommitItems() override;

private:
    ASInt32 m_tag;
};
