#pragma once

#include "plugin/suites/SPMessages.h"
#include "plugin/suites/SPTypes.h"

class TKW_AIPlugin;
class TKW_AISubMenu;

// Base of every menu item. The creator hands the object to TKW_AIPlugin::AddMenu, whose registry
// owns it; deleting the object takes it out of the registry. Item texts are resource keys: the
// host shows their translation and knows the item by the untranslated text + "_HL".
class TKW_AIMenu
{
public:
    // Adds the item to the submenu's group; a text starting with "-" is a separator shown as is.
    TKW_AIMenu(TKW_AISubMenu* parent, const char* text, bool wantsUpdate);
    virtual ~TKW_AIMenu();

    TKW_AIMenu(const TKW_AIMenu&) = delete;
    TKW_AIMenu& operator=(const TKW_AIMenu&) = delete;

    // Called by the registry when the item is added to it.
    virtual ASErr OnAdded();
    // "AI Go": the user chose the item.
    virtual ASErr Go(AIMenuMessage* message);
    // "AI Update": the host is about to show the item.
    virtual ASErr Update(AIMenuMessage* message);

    // Null when the host refused the item.
    AIMenuItemHandle GetHandle() const { return m_handle; }
    TKW_AIPlugin* GetPlugin() const { return m_plugin; }

    ASErr SetText(const char* text);
    // With `unregister` the item first leaves the registry and gets no more messages.
    ASErr Disable(bool unregister);
    ASErr Enable();
    ASErr Check(bool checked);
    ASErr RemoveFromHost();

protected:
    // For items whose host item is made elsewhere (the submenu's item).
    explicit TKW_AIMenu(TKW_AIPlugin* plugin);

    AIMenuItemHandle* HandleSlot() { return &m_handle; }

private:
    AIMenuItemHandle m_handle = nullptr;
    TKW_AIPlugin* m_plugin;
};
