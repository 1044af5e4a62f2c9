#include "sim/kiln/JobRunner.h"

#include "plugin/suites/AIDocumentSuite.h"
#include "plugin/suites/HLKilnODLSuite.h"
#include "sim/host/HostSimDocumentAccessSuite.h"
#include "sim/kiln/HostSuite.h"
#include "sim/kiln/JobBuilder.h"
#include "sim/kiln/KilnControlSuite.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <new>

namespace kiln {
namespace {

constexpr ASInt32 kNoDocument = 0;
// The largest side of a rendering in device pixels; beyond it sizes would overflow.
constexpr long long kMaximumSide = INT_MAX / 4;

bool IsArea(const double area[4])
{
    return std::all_of(area, area + 4, [](double value) { return std::isfinite(value); }) && area[0] < area[1] &&
           area[2] < area[3];
}

}  // namespace

JobRunner::JobRunner(const SPBasicSuite* basic) : m_basic(basic) {}

JobRunner::~JobRunner() = default;

HLKilnResultHandle JobRunner::RunGeneration()
{
    std::string error;
    const bool succeeded = Generate(error);
    return m_results.Add(std::make_unique<Result>(Result{++m_generated, succeeded, error}));
}

ASInt32 JobRunner::Succeeded(HLKilnResultHandle result) const
{
    const Result* found = m_results.Find(result);
    return found ? found->succeeded : 0;
}

const std::string* JobRunner::Message(HLKilnResultHandle result) const
{
    const Result* found = m_results.Find(result);
    return found ? &found->message : nullptr;
}

bool JobRunner::Release(HLKilnResultHandle result)
{
    return m_results.Remove(result);
}

std::string JobRunner::Describe(HLKilnResultHandle result) const
{
    const Result* found = m_results.Find(result);
    return found ? "result " + std::to_string(found->number) : "unknown result";
}

bool JobRunner::PushJob(bool keepView, std::string& error)
{
    if (!Generate(error))
        return false;
    AIBoolean keep = keepView;
    Broadcast(m_basic, kHLSyncNotifier, &keep);
    return true;
}

ASInt32 JobRunner::LoadType()
{
    const AIDocumentHandle current = CurrentDocument();
    if (!current)
        return kNoDocument;
    const HostSuite<HostSimDocumentAccessSuite> access(m_basic);
    HostSimDocumentInfo info{};
    if (!m_job || m_job->document != current || !access || access->GetDocumentInfo(current, &info) != kNoErr ||
        !info.name || m_job->documentName != info.name)
        return kHLLoadTypeReleased;
    if (info.revision == m_job->revision)
        return kHLLoadTypeUpToDate;
    HLLoadTypeQuery query{kHLLoadTypeChanged, 0};
    Broadcast(m_basic, kHLLoadTypeQueryNotifier, &query);
    if (query.shown)
        return kHLLoadTypeChanged;
    Load(nullptr);
    return kHLLoadTypeReleased;
}

ASErr JobRunner::RenderPreview(ASInt32 top, ASInt32 bottom, ASInt32 left, ASInt32 right, const double area[4],
                               ASUInt32* pixels)
{
    const long long height = static_cast<long long>(bottom) - top;
    const long long width = static_cast<long long>(right) - left;
    if (!area || !pixels || height <= 0 || width <= 0 || height > kMaximumSide || width > kMaximumSide ||
        !IsArea(area))
        return kKilnBadParameterError;
    if (!m_job)
        return kKilnNoJobError;
    try {
        m_renderer->Render(area, static_cast<int>(width), static_cast<int>(height), pixels);
    } catch (const std::bad_alloc&) {
        return kKilnOutOfMemoryError;
    }
    return kNoErr;
}

std::vector<std::string> JobRunner::CurrentDocumentInks() const
{
    const HostSuite<HostSimDocumentAccessSuite> access(m_basic);
    const AIDocumentHandle current = CurrentDocument();
    return access && current ? JobBuilder(*access).InkNames(current) : std::vector<std::string>{};
}

bool JobRunner::Generate(std::string& error)
{
    const AIDocumentHandle current = CurrentDocument();
    if (!current) {
        error = "There is no document to generate a preview from.";
        return false;
    }
    const HostSuite<HostSimDocumentAccessSuite> access(m_basic);
    if (!access) {
        error = "The host does not let the engine read its documents.";
        return false;
    }
    std::unique_ptr<Job> job = JobBuilder(*access).Build(current, error);
    if (!job)
        return false;
    Load(std::move(job));
    error.clear();
    return true;
}

void JobRunner::Load(std::unique_ptr<Job> job)
{
    m_renderer.reset();
    m_job = std::move(job);
    if (m_job)
        m_renderer = std::make_unique<PreviewRenderer>(*m_job, m_settings);
}

AIDocumentHandle JobRunner::CurrentDocument() const
{
    const HostSuite<AIDocumentSuite> documents(m_basic);
    AIDocumentHandle current = nullptr;
    if (!documents || documents->GetCurrentDocument(&current) != kNoErr)
        return nullptr;
    return current;
}

}  // namespace kiln
