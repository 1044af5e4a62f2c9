#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

// The fixed slots of a registry and the number of slots ever used: every slot at or past that
// count is empty. The registry owns the objects held and deletes them through DeleteAll.
template <class Object, std::size_t Count>
class TKW_AISlots
{
public:
    // The slot holding `object`, or Count.
    std::size_t SlotOf(const Object* object) const
    {
        const auto end = m_slots.begin() + m_used;
        const auto found = std::find(m_slots.begin(), end, object);
        return found == end ? Count : static_cast<std::size_t>(found - m_slots.begin());
    }

    std::size_t Used() const { return m_used; }

    // Stores `object` in the first empty slot, or with `reuseFreed` false in the next slot never
    // used; false when there is none.
    bool Store(Object* object, bool reuseFreed)
    {
        const std::size_t slot = reuseFreed
            ? static_cast<std::size_t>(std::find(m_slots.begin(), m_slots.end(), nullptr) - m_slots.begin())
            : m_used;
        if (slot == Count)
            return false;
        m_slots[slot] = object;
        m_used = std::max(m_used, slot + 1);
        return true;
    }

    // Empties the slot holding `object`; false for null or an object not held.
    bool Clear(const Object* object)
    {
        const std::size_t slot = SlotOf(object);
        if (object == nullptr || slot == Count)
            return false;
        m_slots[slot] = nullptr;
        return true;
    }

    // The first object held whose GetHandle() is `handle`; null when none is.
    template <class Handle>
    Object* FindByHandle(Handle handle) const
    {
        if (handle == nullptr)
            return nullptr;
        for (std::size_t i = 0; i < m_used; ++i) {
            if (m_slots[i] != nullptr && m_slots[i]->GetHandle() == handle)
                return m_slots[i];
        }
        return nullptr;
    }

    // Each slot is cleared before its object goes, so the object's own removal finds nothing, and
    // a destructor that deletes another held object clears that slot before the walk reaches it.
    void DeleteAll()
    {
        for (Object*& slot : m_slots) {
            Object* object = slot;
            slot = nullptr;
            delete object;
        }
    }

private:
    std::array<Object*, Count> m_slots{};
    std::size_t m_used = 0;
};
