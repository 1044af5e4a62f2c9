#include "sim/kiln/InkList.h"

namespace kiln {

InkList::InkList() = default;
InkList::~InkList() = default;

void InkList::ResetIteration(const std::vector<std::string>& names)
{
    m_names.Clear();
    m_iteration.clear();
    for (const std::string& name : names)
        m_iteration.push_back(m_names.Emplace(name));
    m_position = 0;
}

HLInkRef InkList::Next()
{
    return m_position < m_iteration.size() ? m_iteration[m_position++] : nullptr;
}

const std::string* InkList::NameOf(HLInkRef ink) const
{
    return m_names.Find(ink);
}

}  // namespace kiln
