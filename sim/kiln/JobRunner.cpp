#include "sim/kiln/JobRunner.h"

#include <algorithm>

// A generation result handed out by the engine.
struct HLKilnResultOpaque
{
    ASInt32 number;
    ASInt32 succeeded;
    std::string message;
};

namespace kiln {
namespace {

constexpr double kA4Height = 297.0;
constexpr double kA4Width = 210.0;
constexpr ASUInt32 kWhite = 0xffffffff;
constexpr ASInt32 kNoJob = 0;

}  // namespace

JobRunner::JobRunner()
    : m_answers{1, 1, "", kA4Height, kA4Width, {0.0, kA4Width, 0.0, kA4Height}, kNoJob, kWhite, kNoErr}
{
}

JobRunner::~JobRunner() = default;

void JobRunner::SetAnswers(const KilnJobAnswers& answers)
{
    m_answers = answers;
    m_answers.failureMessage[sizeof m_answers.failureMessage - 1] = '\0';
}

HLKilnResultHandle JobRunner::RunGeneration()
{
    m_results.push_back(std::make_unique<HLKilnResultOpaque>(
        HLKilnResultOpaque{++m_generated, m_answers.generationSucceeds, m_answers.failureMessage}));
    return m_results.back().get();
}

ASInt32 JobRunner::Succeeded(HLKilnResultHandle result) const
{
    const HLKilnResultOpaque* found = Find(result);
    return found ? found->succeeded : 0;
}

const std::string* JobRunner::Message(HLKilnResultHandle result) const
{
    const HLKilnResultOpaque* found = Find(result);
    return found ? &found->message : nullptr;
}

bool JobRunner::Release(HLKilnResultHandle result)
{
    const auto found = std::find_if(m_results.begin(), m_results.end(),
                                     [result](const auto& known) { return known.get() == result; });
    if (found == m_results.end())
        return false;
    m_results.erase(found);
    return true;
}

std::string JobRunner::Describe(HLKilnResultHandle result) const
{
    const HLKilnResultOpaque* found = Find(result);
    return found ? "result " + std::to_string(found->number) : "unknown result";
}

ASErr JobRunner::RenderPreview(ASInt32 top, ASInt32 bottom, ASInt32 left, ASInt32 right, const double area[4],
                               ASUInt32* pixels) const
{
    if (!area || !pixels || bottom <= top || right <= left)
        return kKilnBadParameterError;
    const auto count = static_cast<std::size_t>(static_cast<long long>(bottom) - top) *
                       static_cast<std::size_t>(static_cast<long long>(right) - left);
    std::fill(pixels, pixels + count, m_answers.previewPixel);
    return m_answers.previewResult;
}

const HLKilnResultOpaque* JobRunner::Find(HLKilnResultHandle result) const
{
    for (const auto& known : m_results)
        if (known.get() == result)
            return known.get();
    return nullptr;
}

}  // namespace kiln
