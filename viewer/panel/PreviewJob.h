#pragma once

#include <cstdint>

// The job operations of the panel's preview, as the Generate/Update section asks for them; the
// job view section implements them and the panel introduces the two. Host UI thread only.
class PreviewJob
{
public:
    // Why a job is let go (`ReleaseJob`).
    enum class ReleaseReason : std::int32_t
    {
        DocumentClosed = 4,    // only when the job's document is no longer open
        GenerationFailed = 5,  // the engine's session is reset as well
        Dropped = 6,
    };

    // Takes the engine's current job of the host's current document into the canvas and enables
    // it. `fit` (or the view link) shows the whole job; otherwise the canvas keeps its view.
    virtual void SyncJob(bool fit) = 0;
    virtual void ReleaseJob(ReleaseReason reason) = 0;
    // The current document's job is shown again (SyncJob without fitting) when it is the
    // canvas's job document; otherwise the canvas is disabled, keeping that document, and false.
    virtual bool ReloadIfSameDocument() = 0;
    // Whether a preview is shown.
    virtual bool IsCanvasEnabled() const = 0;
    // Whether the shown preview is that of the document as it is now; a screen reader hears it
    // with the zoom in the canvas's description.
    virtual void SetUpToDate(bool upToDate) = 0;
    // Asks screen readers to speak the canvas: a generation has ended.
    virtual void AnnounceProof() = 0;

protected:
    ~PreviewJob() = default;
};
