#pragma once

#include "plugin/suites/HLTypes.h"
#include "sim/common/HandleTable.h"
#include "sim/kiln/Job.h"
#include "sim/kiln/PreviewRenderer.h"
#include "sim/kiln/RenderSettings.h"

#include <memory>
#include <string>
#include <vector>

struct SPBasicSuite;

namespace kiln {

// The engine's preview job: generated from the host's current document, rendered on request,
// and compared with the document to tell whether it is still up to date. One job at a time; a
// new generation replaces it, a failed one leaves it. Host UI thread.
class JobRunner
{
public:
    explicit JobRunner(const SPBasicSuite* basic);
    ~JobRunner();
    JobRunner(const JobRunner&) = delete;
    JobRunner& operator=(const JobRunner&) = delete;

    // Releases the job.
    void ResetSession() { Load(nullptr); }

    // Snapshots the current document into the job. The result stays owned here until Release.
    HLKilnResultHandle RunGeneration();
    // 0 for a failed generation and for a handle not given out.
    ASInt32 Succeeded(HLKilnResultHandle result) const;
    // The failure text, empty after success; null for a handle not given out.
    const std::string* Message(HLKilnResultHandle result) const;
    bool Release(HLKilnResultHandle result);
    ASInt32 OpenResults() const { return static_cast<ASInt32>(m_results.Size()); }
    // "result 3" for the third result generated, "unknown result" for anything else.
    std::string Describe(HLKilnResultHandle result) const;

    // Generates as RunGeneration does, without a result, then broadcasts "OY Sync" with
    // `keepView`. False with the failure text in `error`, broadcasting nothing.
    bool PushJob(bool keepView, std::string& error);

    // kHLLoadTypeUpToDate when the job is the current document's and its revision is unchanged;
    // kHLLoadTypeChanged when the document changed since and a viewer, asked with "KilnODL Load
    // Type Query", shows the job; otherwise the changed job is released and the answer is
    // kHLLoadTypeReleased, as it is whenever the current document has no job (none generated,
    // released, or the job is another document's). 0 without a current document.
    ASInt32 LoadType();

    // Null when there is no job.
    const Job* CurrentJob() const { return m_job.get(); }
    RenderSettings& Settings() { return m_settings; }

    // Fills (right - left) x (bottom - top) pixels with the job rectangle `area` (x0, x1, y0, y1
    // mm). kKilnBadParameterError for an empty rectangle or area or a null pointer,
    // kKilnNoJobError without a job, kKilnOutOfMemoryError when the planes do not fit; the
    // pixels are written only on success.
    ASErr RenderPreview(ASInt32 top, ASInt32 bottom, ASInt32 left, ASInt32 right, const double area[4],
                        ASUInt32* pixels);

    // The inks of the current document, which are its job's inks; empty without a document.
    std::vector<std::string> CurrentDocumentInks() const;

private:
    struct Result
    {
        ASInt32 number;  // counts generations from 1
        ASInt32 succeeded;
        std::string message;
    };

    bool Generate(std::string& error);
    // Makes `job` the job (null releases it), with a renderer of its own.
    void Load(std::unique_ptr<Job> job);
    AIDocumentHandle CurrentDocument() const;

    const SPBasicSuite* m_basic;
    RenderSettings m_settings;
    std::unique_ptr<Job> m_job;
    std::unique_ptr<PreviewRenderer> m_renderer;  // of m_job, which it references
    sim::HandleTable<HLKilnResultHandle, Result> m_results;
    ASInt32 m_generated = 0;
};

}  // namespace kiln
