#pragma once

#include "plugin/suites/SPTypes.h"
#include "viewer/model/JobCoordinates.h"

#include <optional>

// The host's document views as the view link uses them ("AI Document View Suite"). Without the
// suite there is no view and every call fails. Setting a centre or zoom makes the host send
// "AI Document View Changed Notifier", possibly from inside the call. Host UI thread only.
namespace HostView {

// The first (front) document view; null when the host has none.
AIDocumentViewHandle Front();
// The visible area in artwork points; none when the host cannot report it (no view yet).
std::optional<ArtworkRect> Bounds(AIDocumentViewHandle view);
// View pixels per artwork point; none when the host cannot report it.
std::optional<double> Zoom(AIDocumentViewHandle view);
bool SetCenter(AIDocumentViewHandle view, const ArtworkPoint& center);
bool SetZoom(AIDocumentViewHandle view, double zoom);

}  // namespace HostView
