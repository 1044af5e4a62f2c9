#include "plugin/TKW_AIMenuHandler.h"

#include "plugin/HostSuites.h"
#include "plugin/TKW_AIMenu.h"
#include "plugin/TKW_AIRegistryCodes.h"
#include "plugin/suites/SPMessages.h"

TKW_AIMenuHandler::TKW_AIMenuHandler() : TKW_AIHandler(kCallerAIMenu) {}

TKW_AIMenuHandler::~TKW_AIMenuHandler()
{
    DeleteAll();
}

ASErr TKW_AIMenuHandler::Add(TKW_AIMenu* menu)
{
    menu->OnAdded();
    if (SlotOf(menu) < kSlotCount)
        return kNoErr;
    return m_slots.Store(menu, true) ? kNoErr : kMenuRegistryFullErr;
}

ASErr TKW_AIMenuHandler::Remove(TKW_AIMenu* menu)
{
    return m_slots.Clear(menu) ? kNoErr : kMenuNotRegisteredErr;
}

void TKW_AIMenuHandler::DeleteAll()
{
    m_slots.DeleteAll();
}

ASErr TKW_AIMenuHandler::DispatchAddressed(const char* selector, void* message)
{
    auto* command = static_cast<AIMenuMessage*>(message);
    TKW_AIMenu* menu = m_slots.FindByHandle(command->menuItem);
    if (menu == nullptr)
        return kNoErr;
    if (IsSameMessageString(selector, kSelectorAIGoMenuItem))
        return menu->Go(command);
    if (IsSameMessageString(selector, kSelectorAIUpdateMenuItem))
        return menu->Update(command);
    return kNoErr;
}
