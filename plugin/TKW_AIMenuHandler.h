#pragma once

#include "plugin/TKW_AISlotHandler.h"

class TKW_AIMenu;

// The menu registry: 16 slots and the number of slots ever used (the high-water count). A freed
// slot is reused by the next item added; "ErAM" when all slots are taken, "ErRM" when a removed
// item holds none. Owns the items in its slots.
class TKW_AIMenuHandler final : public TKW_AISlotHandler<TKW_AIMenu, 16>
{
public:
    TKW_AIMenuHandler();
    ~TKW_AIMenuHandler() override;

    // Calls the item's OnAdded, then stores it unless it is already stored.
    ASErr Add(TKW_AIMenu* menu);

protected:
    // "AI Go" and "AI Update" go to the first item holding the message's handle.
    ASErr DispatchAddressed(const char* selector, void* message) override;
};
