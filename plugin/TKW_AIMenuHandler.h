#pragma once

#include "plugin/TKW_AIHandler.h"
#include "plugin/TKW_AISlots.h"

#include <cstddef>

class TKW_AIMenu;

// The menu registry: 16 slots and the number of slots ever used (the high-water count). A freed
// slot is reused by the next item added. Owns the items in its slots.
class TKW_AIMenuHandler final : public TKW_AIHandler
{
public:
    static constexpr std::size_t kSlotCount = 16;

    TKW_AIMenuHandler();
    ~TKW_AIMenuHandler() override;

    // Calls the item's OnAdded, then stores it unless it is already stored; "ErAM" when all
    // slots are taken.
    ASErr Add(TKW_AIMenu* menu);
    // Clears the item's slot; "ErRM" when it holds none.
    ASErr Remove(TKW_AIMenu* menu);

    void DeleteAll() override;

    std::size_t HighWaterCount() const { return m_slots.Used(); }
    // The slot holding the item, or kSlotCount.
    std::size_t SlotOf(const TKW_AIMenu* menu) const { return m_slots.SlotOf(menu); }

protected:
    // "AI Go" and "AI Update" go to the first item holding the message's handle.
    ASErr DispatchAddressed(const char* selector, void* message) override;

private:
    TKW_AISlots<TKW_AIMenu, kSlotCount> m_slots;
};
