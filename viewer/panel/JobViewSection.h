#pragma once

#include "plugin/suites/SPTypes.h"
#include "viewer/canvas/CanvasViewListener.h"
#include "viewer/panel/CanvasZoom.h"
#include "viewer/panel/PreviewJob.h"
#include "viewer/panel/ProofArea.h"

#include <cstdint>
#include <optional>

class AIViewSyncTimer;
class JobViewFrame;
class OspryDialog;
struct ArtworkRect;
struct JobRect;

// The panel's preview area: owns the canvas, takes the engine's job into it or lets it go, and
// keeps the canvas and the host's view together while the view link is on. Job coordinates are
// millimetres from the top-left corner of the host document's page, y downwards. The canvas
// belongs to the panel's item tree. Host UI thread only.
class JobViewSection : public CanvasViewListener, public PreviewJob, public CanvasZoom
{
public:
    // `panel` outlives the section.
    explicit JobViewSection(OspryDialog& panel);
    ~JobViewSection() override = default;

    JobViewSection(const JobViewSection&) = delete;
    JobViewSection& operator=(const JobViewSection&) = delete;

    // Creates the canvas on the panel (mouse tracking on, disabled, no job document) and registers
    // the notifier that hands it the modifier keys pressed in the host and the idle view-sync
    // timer.
    void Create();
    // The canvas spans the panel's width down to the bottom bar and keeps its zoom.
    void Layout();

    // Drops the canvas's image; the next paint asks the engine again.
    void InvalidateCanvas();
    // The host's colour settings changed: the engine takes them up.
    void ApplyColorSettings();
    // Tells the engine whether to show the trap layer and remembers the choice for each job.
    void SetTrapLayerVisible(bool shown);

    void SyncJob(bool fit) override;
    void ReleaseJob(ReleaseReason reason) override;
    bool ReloadIfSameDocument() override;
    bool IsCanvasEnabled() const override;
    void SetUpToDate(bool upToDate) override;
    void AnnounceProof() override;

    void FitArtBoard() override;
    void FitGraphics() override;
    void ZoomTo(double factor, bool asPush) override;

    // The view link (both directions do nothing while the link is off). A push sets the pushing
    // flag just before each change it makes to the host's view, so that the pull the host's
    // view-changed notification causes only clears the flag; every pull clears it.
    // Host view -> canvas: the given view, or else the host's first one. When a pull of the first
    // view finds no bounds it is retried on the next host tick. Bounds or a zoom the canvas
    // refuses (not finite, no extent) leave the canvas as it was.
    void PullHostView(AIDocumentViewHandle view);
    // Canvas -> the host's first view: its centre and its zoom. Callers show the zoom first (the
    // canvas after each tool's change, the fits).
    void PushViewToHost() override;
    // The zoom section shows `factor` (the tools: the canvas's new zoom).
    void ShowZoom(double factor) override;
    // Shows the rectangle (artwork points, any order of edges) in the canvas, fitted to its
    // aspect ratio, and the resulting zoom in the zoom section.
    void ShowArtworkRect(const ArtworkRect& rect);

    // The job rectangle (millimetres) of `area`; none when the engine gives no artwork bounds.
    std::optional<JobRect> AreaOf(ProofArea area) const;

    // Null before `Create`.
    JobViewFrame* GetCanvas() const { return m_canvas; }

private:
    void ReadPageOrigin();
    void DisableCanvas();
    // What a screen reader hears of the canvas besides its name: "No proof", or the zoom and
    // whether the proof is up to date.
    void DescribeCanvas();
    // The host's first view while the link is on; null otherwise.
    AIDocumentViewHandle LinkedView() const;
    void ZoomHostView(AIDocumentViewHandle view, double factor, bool asPush);

    JobViewFrame* m_canvas = nullptr;
    AIViewSyncTimer* m_viewSyncTimer = nullptr;  // the plug-in's timer registry owns it
    bool m_pushing = false;
    OspryDialog& m_panel;
    bool m_trapLayerShown = true;
    bool m_upToDate = false;
    double m_shownZoom = 0.0;  // as the zoom section shows it
    double m_jobHeight = 0.0;
    double m_jobWidth = 0.0;
    double m_originX = 0.0;
    double m_originY = 0.0;
};
