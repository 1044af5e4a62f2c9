#include "sim/app/EditCommands.h"

#include <algorithm>

namespace hostapp {
namespace {

int FrontIndex(const hostsim::DocumentContent& content)
{
    return static_cast<int>(content.artwork.size()) - 1;
}

}  // namespace

hostsim::MoveArtwork MoveFrontItem(const hostsim::DocumentContent& content, double dx, double dy)
{
    return hostsim::MoveArtwork{FrontIndex(content), dx, dy};
}

hostsim::RecolourArtwork RecolourFrontItem(const hostsim::DocumentContent& content)
{
    const int front = FrontIndex(content);
    const int inks = static_cast<int>(content.inks.size());
    int next = 0;
    if (front >= 0 && inks > 0) {
        const std::vector<HostSimInkTint>& fill = content.artwork[static_cast<std::size_t>(front)].fill;
        next = fill.empty() ? 0 : (fill.front().ink + 1) % inks;
    }
    return hostsim::RecolourArtwork{front, {HostSimInkTint{next, 1.0}}};
}

hostsim::AddArtwork AddShape(const hostsim::DocumentContent& content, const AIRealPoint& center, double size)
{
    const auto spot = std::find_if(content.inks.begin(), content.inks.end(), [](const hostsim::Ink& ink) { return !ink.process; });
    const int ink = spot == content.inks.end() ? 0 : static_cast<int>(spot - content.inks.begin());
    hostsim::ArtworkItem item;
    item.kind = hostsim::ArtworkKind::Ellipse;
    const double half = size / 2.0;
    item.bounds = AIRealRect{center.h - half, center.v + half, center.h + half, center.v - half};
    item.fill = {HostSimInkTint{ink, 1.0}};
    return hostsim::AddArtwork{item};
}

}  // namespace hostapp
