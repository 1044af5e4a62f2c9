#pragma once

#include "toolkit/RVADM_DropDownList.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The panel's choice of dot gain curve: "Automatic" first, then every setting of the settings
// folder that loads, in listing order. The chosen setting's curve goes to the engine and the
// list's tool tip shows its five points. Holds names only: every apply loads the file again, so
// an edited setting takes effect at the next apply. A settings folder that vanished leaves
// "Automatic" and a tool tip that says so. Host UI thread only.
class DotGainList final : public qRVADM::RVADM_DropDownList
{
public:
    static constexpr std::int32_t kWidth = 116;

    // Lists the settings folder and sends "Automatic" to the engine. `refreshPreview` redraws
    // the preview after the user's choice.
    DotGainList(qRVADM::RVADM_ItemParent* parent, std::function<void()> refreshPreview);

    // Lists the settings again, selecting `selected` when it is still listed, else "Automatic".
    void Fill(const std::string& selected);
    // The selected setting's curve (five zeros for "Automatic") to the engine and its points to
    // the tool tip. A setting that no longer loads leaves the engine's curve and clears the tip.
    void ApplySelection();
    // The selected setting's name; empty for "Automatic" or no selection.
    std::string SelectedName() const;
    // The user's choice (code 2) is applied and the preview redrawn; other codes do nothing.
    void Notify(std::int32_t code) override;
    // While the settings folder is missing, every opening of the list looks for it again, so
    // the settings come back with it, the person's last choice selected and applied again.
    void showPopup() override;

private:
    void ApplyAndRefresh();
    void SendCurve(double minimum, double at25, double at50, double at75, double maximum) const;

    std::vector<std::unique_ptr<qRVADM::RVADM_ComboEntry>> m_entries;
    // The listed settings' names as the store gives them, for rows 1 on.
    std::vector<std::string> m_names;
    std::function<void()> m_refreshPreview;
    // The folder was not there at the last fill or apply; the tool tip says so.
    bool m_folderMissing = false;
    // The setting the person last chose, kept while a missing folder leaves only "Automatic";
    // empty for "Automatic".
    std::string m_choice;
};
