#include "plugin/TKW_AIMenu.h"

#include "plugin/AIError.h"
#include "plugin/AIUnicodeString.h"
#include "plugin/HostSuites.h"
#include "plugin/MenuGroups.h"
#include "plugin/TKW_AIPlugin.h"
#include "plugin/TKW_AISubMenu.h"
#include "plugin/suites/AIMenuSuite.h"
#include "support/Localization.h"

namespace {

const char* VisibleText(const char* text)
{
    return text[0] == '-' ? text : LocalizeKey(text);
}

// Runs one host menu call on the item; a missing suite or a failing string answers its code.
template <class Call>
ASErr CallMenuSuite(AIMenuItemHandle item, Call call)
{
    try {
        return call(RequireHostSuite<AIMenuSuite>(), item);
    } catch (const ai::Error& error) {
        return error.Code();
    }
}

using ItemEntry = AIErr (*AIMenuSuite::*)(AIMenuItemHandle item);

ASErr CallItemEntry(AIMenuItemHandle item, ItemEntry entry)
{
    return CallMenuSuite(item,
                         [entry](const AIMenuSuite& suite, AIMenuItemHandle handle) { return (suite.*entry)(handle); });
}

}  // namespace

TKW_AIMenu::TKW_AIMenu(TKW_AIPlugin* plugin) : m_plugin(plugin) {}

TKW_AIMenu::TKW_AIMenu(TKW_AISubMenu* parent, const char* text, bool wantsUpdate) : m_plugin(parent->GetPlugin())
{
    const char* key = text != nullptr ? text : "";
    AddHostMenuItem(m_plugin, key, parent->GetGroupName().c_str(), VisibleText(key),
                    wantsUpdate ? kMenuItemWantsUpdateOption : 0, &m_handle);
}

TKW_AIMenu::~TKW_AIMenu()
{
    m_plugin->RemoveMenu(this);
}

ASErr TKW_AIMenu::OnAdded()
{
    return kNoErr;
}

ASErr TKW_AIMenu::Go(AIMenuMessage*)
{
    return kNoErr;
}

ASErr TKW_AIMenu::Update(AIMenuMessage*)
{
    return kNoErr;
}

ASErr TKW_AIMenu::SetText(const char* text)
{
    return CallMenuSuite(m_handle, [text](const AIMenuSuite& suite, AIMenuItemHandle item) {
        const ai::UnicodeString visible(LocalizeKey(text != nullptr ? text : ""));
        return suite.SetItemText(item, visible.Handle());
    });
}

ASErr TKW_AIMenu::Disable(bool unregister)
{
    if (unregister)
        m_plugin->RemoveMenu(this);
    return CallItemEntry(m_handle, &AIMenuSuite::DisableItem);
}

ASErr TKW_AIMenu::Enable()
{
    return CallItemEntry(m_handle, &AIMenuSuite::EnableItem);
}

ASErr TKW_AIMenu::Check(bool checked)
{
    return CallMenuSuite(m_handle, [checked](const AIMenuSuite& suite, AIMenuItemHandle item) {
        return suite.CheckItem(item, checked ? 1 : 0);
    });
}

ASErr TKW_AIMenu::RemoveFromHost()
{
    return CallItemEntry(m_handle, &AIMenuSuite::RemoveMenuItem);
}
