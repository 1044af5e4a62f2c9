#pragma once

#include "plugin/TKW_AIHandler.h"
#include "plugin/TKW_AISlots.h"
#include "plugin/suites/SPTypes.h"

#include <cstddef>

// A registry with a fixed number of slots that owns the objects in them: the menu and timer
// registries. `reuseFreed` says whether a freed slot takes the next object or slots are used up
// in order; `fullError` and `notRegisteredError` are the registry's answers. Each registry
// deletes what it holds in its own destructor, while objects that remove themselves still find
// it whole.
template <class Object, std::size_t Count>
class TKW_AISlotHandler : public TKW_AIHandler
{
public:
    static constexpr std::size_t kSlotCount = Count;

    struct Rules
    {
        const char* caller;
        bool reuseFreed;
        ASErr fullError;
        ASErr notRegisteredError;
    };

    // Clears the object's slot; the not-registered answer when it holds none.
    ASErr Remove(Object* object) { return m_slots.Clear(object) ? kNoErr : m_rules.notRegisteredError; }

    void DeleteAll() override { m_slots.DeleteAll(); }

    // The number of slots ever used.
    std::size_t HighWaterCount() const { return m_slots.Used(); }
    // The slot holding the object, or kSlotCount.
    std::size_t SlotOf(const Object* object) const { return m_slots.SlotOf(object); }

protected:
    explicit TKW_AISlotHandler(const Rules& rules) : TKW_AIHandler(rules.caller), m_rules(rules) {}

    // The full answer when no slot is left.
    ASErr Store(Object* object) { return m_slots.Store(object, m_rules.reuseFreed) ? kNoErr : m_rules.fullError; }
    template <class Handle>
    Object* FindByHandle(Handle handle) const
    {
        return m_slots.FindByHandle(handle);
    }

private:
    Rules m_rules;
    TKW_AISlots<Object, Count> m_slots;
};
