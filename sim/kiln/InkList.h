#pragma once

#include "plugin/suites/HLTypes.h"
#include "sim/common/HandleTable.h"

#include <string>
#include <vector>

namespace kiln {

// The one iteration over the inks the engine reports for the current document. An iteration
// works on the names given when it is reset; ink references stay valid until the next reset and
// are unknown after it. Before the first reset the iteration is empty.
class InkList
{
public:
    InkList();
    ~InkList();
    InkList(const InkList&) = delete;
    InkList& operator=(const InkList&) = delete;

    void ResetIteration(const std::vector<std::string>& names);
    // The next ink of the iteration; null after the last one.
    HLInkRef Next();
    // The name of an ink of the current iteration; null for any other reference.
    const std::string* NameOf(HLInkRef ink) const;

private:
    sim::HandleTable<HLInkRef, std::string> m_names;
    std::vector<HLInkRef> m_iteration;
    std::size_t m_position = 0;
};

}  // namespace kiln
