#include "toolkit/RVADM_Tracker.h"

namespace qRVADM {

RVADM_Tracker::RVADM_Tracker(std::int32_t action, std::uint32_t modifiers, std::int32_t key, RVADM_Point point)
    : m_record(std::make_shared<const TrackerRecord>(TrackerRecord{action, modifiers, key, point.h, point.v}))
{
}

} // namespace qRVADM
