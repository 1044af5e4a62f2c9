#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kiln {

// The engine's record of the calls it received, one line each, oldest first. It keeps the latest
// kKept lines and counts those it let go, so that an engine left running for days stays the
// same size while a test or a host script still reads everything since its last clearing. Once
// full, a new line takes the place of the oldest, so the record holds what its lines need.
class CallRecord
{
public:
    // About half a megabyte of lines, full within the first minutes of use; a test or a host
    // script reads fewer between two clearings.
    static constexpr std::size_t kKept = 5000;

    void Add(const std::string& line);
    void Clear();

    std::size_t Size() const { return m_lines.size(); }
    // Line `index` of those kept, 0 the oldest.
    const std::string& At(std::size_t index) const { return m_lines[(m_oldest + index) % m_lines.size()]; }
    // Lines let go since the last clearing, all older than the kept ones.
    std::size_t Forgotten() const { return m_forgotten; }

private:
    std::vector<std::string> m_lines;  // a ring once full
    std::size_t m_oldest = 0;
    std::size_t m_forgotten = 0;
};

}  // namespace kiln
