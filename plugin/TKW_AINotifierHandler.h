#pragma once

#include "plugin/TKW_AIHandler.h"

#include <vector>

class TKW_AINotifier;
class TKW_AIPlugin;

// The notifier registry: an ordered list that owns its notifiers. Duplicates are not checked.
class TKW_AINotifierHandler final : public TKW_AIHandler
{
public:
    TKW_AINotifierHandler();
    ~TKW_AINotifierHandler() override;

    // Returns 0.
    ASErr Add(TKW_AINotifier* notifier);
    // Erases every occurrence; "ErRN" when there was none.
    ASErr Remove(TKW_AINotifier* notifier);

    void DeleteAll() override;

    // The framework's own notifiers for `plugin`, so that the plug-in object knows notifiers only
    // through its registry: application started and application shut-down, added once at
    // construction; the start-up action notifier, added for the first action queued, which
    // deletes itself after running the actions.
    void AddApplicationNotifiers(TKW_AIPlugin* plugin);
    void AddStartupActionNotifier(TKW_AIPlugin* plugin);

    std::size_t Count() const { return m_notifiers.size(); }

protected:
    // Notifies the first notifier holding the message's handle; always 0.
    ASErr DispatchAddressed(const char* selector, void* message) override;

private:
    std::vector<TKW_AINotifier*> m_notifiers;
};
