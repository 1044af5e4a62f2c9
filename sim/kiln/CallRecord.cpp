#include "sim/kiln/CallRecord.h"

namespace kiln {

void CallRecord::Add(const std::string& line)
{
    if (m_lines.size() < kKept) {
        m_lines.push_back(line);
        return;
    }
    // A copy of the line's own size: assigned into the slot, the slot would keep the capacity of
    // the longest line it ever held, and the record would creep up to that over days.
    m_lines[m_oldest] = std::string(line);
    m_oldest = (m_oldest + 1) % kKept;
    ++m_forgotten;
}

void CallRecord::Clear()
{
    m_lines.clear();
    m_oldest = 0;
    m_forgotten = 0;
}

}  // namespace kiln
