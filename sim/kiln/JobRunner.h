#pragma once

#include "plugin/suites/HLTypes.h"
#include "sim/kiln/KilnControlSuite.h"

#include <memory>
#include <string>
#include <vector>

namespace kiln {

// The engine's preview jobs. For now every job entry answers what was configured through the
// control suite; a result keeps the success and text configured when it was generated.
class JobRunner
{
public:
    JobRunner();
    ~JobRunner();
    JobRunner(const JobRunner&) = delete;
    JobRunner& operator=(const JobRunner&) = delete;

    const KilnJobAnswers& Answers() const { return m_answers; }
    void SetAnswers(const KilnJobAnswers& answers);

    // The result stays owned here until Release.
    HLKilnResultHandle RunGeneration();
    // 0 for a failed generation and for a handle not given out.
    ASInt32 Succeeded(HLKilnResultHandle result) const;
    // The failure text; null for a handle not given out.
    const std::string* Message(HLKilnResultHandle result) const;
    bool Release(HLKilnResultHandle result);
    ASInt32 OpenResults() const { return static_cast<ASInt32>(m_results.size()); }
    // "result 3" for the third result generated, "unknown result" for anything else.
    std::string Describe(HLKilnResultHandle result) const;

    // Fills (right - left) x (bottom - top) pixels; kKilnBadParameterError for an empty
    // rectangle or a null pointer.
    ASErr RenderPreview(ASInt32 top, ASInt32 bottom, ASInt32 left, ASInt32 right, const double area[4],
                        ASUInt32* pixels) const;

private:
    const HLKilnResultOpaque* Find(HLKilnResultHandle result) const;

    KilnJobAnswers m_answers;
    std::vector<std::unique_ptr<HLKilnResultOpaque>> m_results;
    ASInt32 m_generated = 0;
};

}  // namespace kiln
