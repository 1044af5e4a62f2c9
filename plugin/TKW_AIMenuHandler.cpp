#include "plugin/TKW_AIMenuHandler.h"

#include "plugin/HostSuites.h"
#include "plugin/TKW_AIMenu.h"
#include "plugin/TKW_AIRegistryCodes.h"
#include "plugin/suites/SPMessages.h"

TKW_AIMenuHandler::TKW_AIMenuHandler()
    : TKW_AISlotHandler({kCallerAIMenu, true, kMenuRegistryFullErr, kMenuNotRegisteredErr})
{
}

TKW_AIMenuHandler::~TKW_AIMenuHandler()
{
    DeleteAll();
}

ASErr TKW_AIMenuHandler::Add(TKW_AIMenu* menu)
{
    menu->OnAdded();
    return SlotOf(menu) < kSlotCount ? kNoErr : Store(menu);
}

ASErr TKW_AIMenuHandler::DispatchAddressed(const char* selector, void* message)
{
    auto* command = static_cast<AIMenuMessage*>(message);
    TKW_AIMenu* menu = FindByHandle(command->menuItem);
    if (menu == nullptr)
        return kNoErr;
    if (IsSameMessageString(selector, kSelectorAIGoMenuItem))
        return menu->Go(command);
    if (IsSameMessageString(selector, kSelectorAIUpdateMenuItem))
        return menu->Update(command);
    return kNoErr;
}
