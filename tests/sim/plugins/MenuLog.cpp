#include "MenuLog.h"

#include "plugin/suites/AIMenuSuite.h"
#include "plugin/suites/AIUnicodeStringSuite.h"

void MenuLog::Start(SPPluginRef self, const SPBasicSuite* basic, const char* key)
{
    const auto* strings = Acquire<AIUnicodeStringSuite>(basic);
    const auto* menus = Acquire<AIMenuSuite>(basic);
    AIUnicodeStringHandle text = nullptr;
    strings->Initialize(&text, "", 0, kAIUTF8CharacterEncoding);
    const AIPlatformAddMenuItemDataUS data{kToolPalettesMenuGroup, text};
    menus->AddMenuItem(self, key, &data, kMenuItemWantsUpdateOption, &m_item);
    strings->Destroy(text);
    Release<AIMenuSuite>(basic);
    Release<AIUnicodeStringSuite>(basic);
}

void MenuLog::Append(const std::string& entry, const SPBasicSuite* basic)
{
    m_text += (m_text.empty() ? "" : "|") + entry;
    if (m_item)
        Show(basic);
}

void MenuLog::Show(const SPBasicSuite* basic)
{
    const auto* strings = Acquire<AIUnicodeStringSuite>(basic);
    const auto* menus = Acquire<AIMenuSuite>(basic);
    AIUnicodeStringHandle text = nullptr;
    strings->Initialize(&text, m_text.c_str(), m_text.size(), kAIUTF8CharacterEncoding);
    menus->SetItemText(m_item, text);
    strings->Destroy(text);
    Release<AIMenuSuite>(basic);
    Release<AIUnicodeStringSuite>(basic);
}
