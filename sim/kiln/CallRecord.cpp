#include "sim/kiln/CallRecord.h"

namespace kiln {

void CallRecord::Add(const std::string& line)
{
    if (m_lines.size() < kKept) {
        m_lines.push_back(line);
        return;
    }
    m_lines[m_oldest] = line;  // within the slot's capacity, no allocation
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
