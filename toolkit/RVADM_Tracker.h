#pragma once

#include "toolkit/RVADM_Types.h"

#include <memory>

namespace qRVADM {

// One input event as an item's `Track` hook sees it. A value whose copies share one record.
class RVADM_Tracker
{
public:
    // `modifiers` holds `InputState` bits; the point is in the item's own pixels.
    RVADM_Tracker(std::int32_t action, std::uint32_t modifiers, std::int32_t key, RVADM_Point point);

    std::int32_t GetAction() const { return m_record->action; }
    std::uint32_t GetModifiers() const { return m_record->modifiers; }
    std::int32_t GetKey() const { return m_record->key; }
    RVADM_Point GetPoint() const { return {m_record->h, m_record->v}; }
    const TrackerRecord& GetRecord() const { return *m_record; }

private:
    std::shared_ptr<const TrackerRecord> m_record;
};

} // namespace qRVADM
