#pragma once

// Told by the canvas's tools after each change of the canvas's view: the zoom section shows the
// new zoom (ShowZoom, with the canvas's zoom factor) and the job view section pushes the view to
// the host's document view when the view link is on (PushViewToHost). Host UI thread.
class CanvasViewListener
{
public:
    virtual ~CanvasViewListener() = default;

    virtual void ShowZoom(double factor) = 0;
    virtual void PushViewToHost() = 0;
};
