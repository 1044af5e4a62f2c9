// "AI Panel Flyout Menu Suite".

#include "plugin/suites/AIPanelFlyoutMenuSuite.h"
#include "sim/host/Host.h"
#include "sim/host/HostStrings.h"
#include "sim/host/HostSuites.h"

namespace hostsim {
namespace {

FlyoutMenuCenter& Menus()
{
    return Host::Current().Panels().FlyoutMenus();
}

// Runs `use` on a known item of a known menu; anything else is refused.
template <typename Use>
AIErr WithItem(AIPanelFlyoutMenuRef handle, ASUInt32 itemId, Use use)
{
    FlyoutMenu* menu = Menus().Find(handle);
    return WithKnown(menu ? menu->Find(itemId) : nullptr, use);
}

AIErr Create(AIPanelFlyoutMenuRef* menu)
{
    if (!menu)
        return BadParameterError();
    *menu = Menus().Create();
    return kNoErr;
}

AIErr Destroy(AIPanelFlyoutMenuRef menu)
{
    return Host::Current().Panels().DestroyFlyoutMenu(menu) ? kNoErr : BadParameterError();
}

AIErr AppendItem(AIPanelFlyoutMenuRef handle, AIUnicodeStringHandle text, ASUInt32* itemId)
{
    FlyoutMenu* menu = Menus().Find(handle);
    if (!menu || !text || !itemId)
        return BadParameterError();
    *itemId = menu->nextId++;
    menu->items.push_back({*itemId, text->text});
    return kNoErr;
}

AIErr SetItemText(AIPanelFlyoutMenuRef menu, ASUInt32 itemId, AIUnicodeStringHandle text)
{
    if (!text)
        return BadParameterError();
    return WithItem(menu, itemId, [text](FlyoutMenu::Item& item) { item.text = text->text; });
}

AIErr SetItemMark(AIPanelFlyoutMenuRef menu, ASUInt32 itemId, AIPanelFlyoutMenuItemMark mark)
{
    if (mark != kAIPanelFlyoutMenuItemMarkNone && mark != kAIPanelFlyoutMenuItemMarkCheck)
        return BadParameterError();
    return WithItem(menu, itemId, [mark](FlyoutMenu::Item& item) { item.mark = mark; });
}

AIErr SetItemEnabled(AIPanelFlyoutMenuRef menu, ASUInt32 itemId, AIBoolean enabled)
{
    return WithItem(menu, itemId, [enabled](FlyoutMenu::Item& item) { item.enabled = enabled != 0; });
}

AIPanelFlyoutMenuSuite MakeFlyoutMenuSuite()
{
    AIPanelFlyoutMenuSuite suite{};
    suite.Create = Create;
    suite.Destroy = Destroy;
    suite.AppendItem = AppendItem;
    suite.SetItemText = SetItemText;
    suite.SetItemMark = SetItemMark;
    suite.SetItemEnabled = SetItemEnabled;
    return suite;
}

const AIPanelFlyoutMenuSuite kFlyoutMenuSuite = MakeFlyoutMenuSuite();

}  // namespace

void RegisterFlyoutMenuSuite(SuiteRegistry& suites)
{
    suites.Add(kFlyoutMenuSuite);
}

}  // namespace hostsim
