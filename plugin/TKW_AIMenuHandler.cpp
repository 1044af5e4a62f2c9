#include "plugin/TKW_AIMenuHandler.h"

#include "plugin/HostSuites.h"
#include "plugin/TKW_AIMenu.h"
#include "plugin/TKW_AIRegistryCodes.h"
#include "plugin/suites/SPMessages.h"

#include <algorithm>

TKW_AIMenuHandler::TKW_AIMenuHandler() : TKW_AIHandler(kCallerAIMenu) {}

TKW_AIMenuHandler::~TKW_AIMenuHandler()
{
    DeleteAll();
}

ASErr TKW_AIMenuHandler::Add(TKW_AIMenu* menu)
{
    menu->OnAdded();
    if (SlotOf(menu) < m_highWater)
        return kNoErr;
    const auto empty = std::find(m_slots.begin(), m_slots.end(), nullptr);
    if (empty == m_slots.end())
        return kMenuRegistryFullErr;
    *empty = menu;
    m_highWater = std::max(m_highWater, static_cast<std::size_t>(empty - m_slots.begin()) + 1);
    return kNoErr;
}

ASErr TKW_AIMenuHandler::Remove(TKW_AIMenu* menu)
{
    const std::size_t slot = SlotOf(menu);
    if (menu == nullptr || slot == kSlotCount)
        return kMenuNotRegisteredErr;
    m_slots[slot] = nullptr;
    return kNoErr;
}

void TKW_AIMenuHandler::DeleteAll()
{
    DeleteSlots(m_slots);
}

std::size_t TKW_AIMenuHandler::SlotOf(const TKW_AIMenu* menu) const
{
    return static_cast<std::size_t>(std::find(m_slots.begin(), m_slots.end(), menu) - m_slots.begin());
}

ASErr TKW_AIMenuHandler::DispatchAddressed(const char* selector, void* message)
{
    auto* command = static_cast<AIMenuMessage*>(message);
    if (command->menuItem == nullptr)
        return kNoErr;
    for (std::size_t i = 0; i < m_highWater; ++i) {
        TKW_AIMenu* menu = m_slots[i];
        if (menu == nullptr || menu->GetHandle() != command->menuItem)
            continue;
        if (IsSameMessageString(selector, kSelectorAIGoMenuItem))
            return menu->Go(command);
        if (IsSameMessageString(selector, kSelectorAIUpdateMenuItem))
            return menu->Update(command);
        return kNoErr;
    }
    return kNoErr;
}
