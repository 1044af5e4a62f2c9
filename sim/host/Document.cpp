#include "sim/host/Document.h"

#include <filesystem>

namespace hostsim {
namespace {

// Runs `change` on a copy of the indexed item and keeps the copy only when it is sound.
template <typename Change>
bool ChangeItem(DocumentContent& content, int index, std::string& error, Change change)
{
    const std::string context = "artwork " + std::to_string(index + 1);
    if (index < 0 || index >= static_cast<int>(content.artwork.size())) {
        error = context + ": no such item";
        return false;
    }
    ArtworkItem changed = content.artwork[static_cast<std::size_t>(index)];
    change(changed);
    const std::string problem = ArtworkProblem(changed, static_cast<int>(content.inks.size()));
    if (!problem.empty()) {
        error = context + ": " + problem;
        return false;
    }
    content.artwork[static_cast<std::size_t>(index)] = std::move(changed);
    return true;
}

}  // namespace

Document::Document(std::string path, DocumentContent content)
    : m_path(std::move(path)),
      m_name(std::filesystem::path(m_path).filename().string()),
      m_content(std::move(content)),
      m_view(m_content.page)
{
}

bool Document::Apply(const DocumentEdit& edit, std::string& error)
{
    bool applied = false;
    if (const auto* move = std::get_if<MoveArtwork>(&edit)) {
        applied = ChangeItem(m_content, move->index, error,
                             [move](ArtworkItem& item) { MoveItem(item, move->dx, move->dy); });
    } else if (const auto* recolour = std::get_if<RecolourArtwork>(&edit)) {
        applied = ChangeItem(m_content, recolour->index, error, [recolour](ArtworkItem& item) { item.fill = recolour->fill; });
    } else {
        const ArtworkItem& item = std::get<AddArtwork>(edit).item;
        const std::string problem = ArtworkProblem(item, static_cast<int>(m_content.inks.size()));
        applied = problem.empty();
        if (applied)
            m_content.artwork.push_back(item);
        else
            error = "artwork " + std::to_string(m_content.artwork.size() + 1) + ": " + problem;
    }
    if (applied)
        ++m_revision;
    return applied;
}

}  // namespace hostsim
