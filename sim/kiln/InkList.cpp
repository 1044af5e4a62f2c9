#include "sim/kiln/InkList.h"

// An ink reference handed out by the engine.
struct HLInkOpaque
{
    std::string name;
};

namespace kiln {

InkList::InkList() = default;
InkList::~InkList() = default;

void InkList::ResetIteration(const std::vector<std::string>& names)
{
    m_iteration.clear();
    for (const std::string& name : names)
        m_iteration.push_back(std::make_unique<HLInkOpaque>(HLInkOpaque{name}));
    m_position = 0;
}

HLInkRef InkList::Next()
{
    return m_position < m_iteration.size() ? m_iteration[m_position++].get() : nullptr;
}

const std::string* InkList::NameOf(HLInkRef ink) const
{
    for (const auto& known : m_iteration)
        if (known.get() == ink)
            return &known->name;
    return nullptr;
}

}  // namespace kiln
