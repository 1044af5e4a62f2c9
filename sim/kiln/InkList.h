#pragma once

#include "plugin/suites/HLTypes.h"

#include <memory>
#include <string>
#include <vector>

namespace kiln {

// The inks the engine reports for the current document, and the one iteration over them. An
// iteration works on a copy taken when it is reset, so changes of the list reach the next
// iteration only. Ink references stay valid until that next reset. Before the first reset the
// iteration is empty.
class InkList
{
public:
    InkList();
    ~InkList();
    InkList(const InkList&) = delete;
    InkList& operator=(const InkList&) = delete;

    void Set(std::vector<std::string> names) { m_names = std::move(names); }

    void ResetIteration();
    // The next ink of the iteration; null after the last one.
    HLInkRef Next();
    // The name of an ink of the current iteration; null for any other reference.
    const std::string* NameOf(HLInkRef ink) const;

private:
    std::vector<std::string> m_names;
    std::vector<std::unique_ptr<HLInkOpaque>> m_iteration;
    std::size_t m_position = 0;
};

}  // namespace kiln
