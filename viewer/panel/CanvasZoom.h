#pragma once

// The view operations of the panel's preview, as the zoom section asks for them; the job view
// section implements them and the panel introduces the two. Each shows the resulting zoom in the
// zoom section. Host UI thread only.
class CanvasZoom
{
public:
    // Shows the host document's page (artboard), and pushes the view to the host.
    virtual void FitArtBoard() = 0;
    // Shows the job's artwork with a margin where it is large, and pushes the view to the host.
    virtual void FitGraphics() = 0;
    // The canvas takes `factor` about its centre, the host's view too while linked; `asPush`: the
    // host's notification of its new zoom is not pulled back.
    virtual void ZoomTo(double factor, bool asPush) = 0;

protected:
    ~CanvasZoom() = default;
};
