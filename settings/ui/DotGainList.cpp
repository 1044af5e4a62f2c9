#include "settings/ui/DotGainList.h"

#include "plugin/EngineSuites.h"
#include "plugin/suites/HLKilnSuite.h"
#include "settings/PressStore.h"
#include "settings/ui/DotGainMessages.h"
#include "settings/ui/DotGainPoints.h"
#include "support/Localization.h"
#include "toolkit/RVADM_ComboEntry.h"

#include <cstdio>
#include <utility>

namespace {

constexpr const char* kAutomatic = "Automatic";
constexpr int kAutomaticRow = 0;
// The engine takes fractions; settings hold percentages.
constexpr double kPercent = 100.0;

// Five lines "<label> <value> %", one decimal each.
std::string CurveTip(const PressDotGain& curve)
{
    std::string tip;
    for (const DotGainPoints::Point& point : DotGainPoints::kPoints) {
        char value[32];
        std::snprintf(value, sizeof value, " %.1f %%", curve.*point.value);
        if (!tip.empty())
            tip += '\n';
        tip += LocalizeKey(point.label);
        tip += value;
    }
    return tip;
}

}  // namespace

DotGainList::DotGainList(qRVADM::RVADM_ItemParent* parent, std::function<void()> refreshPreview)
    : RVADM_DropDownList(parent), m_refreshPreview(std::move(refreshPreview))
{
    SetWidth(kWidth);
    PressStore::InitFolder();
    Fill(std::string());
    ApplySelection();
}

// Files that no longer parse are left out: choosing them could not set a curve.
void DotGainList::Fill(const std::string& selected)
{
    while (!m_entries.empty())
        m_entries.pop_back();  // the last row first, so that no row moves
    m_names.clear();
    m_entries.push_back(std::make_unique<qRVADM::RVADM_ComboEntry>(this, kAutomatic, true));
    int selectedRow = kAutomaticRow;
    const std::vector<std::string> names = PressStore::LoadableNames();
    m_folderMissing = names.empty() && !PressStore::FolderExists();
    for (const std::string& name : names) {
        if (name == selected)
            selectedRow = static_cast<int>(m_entries.size());
        m_entries.push_back(std::make_unique<qRVADM::RVADM_ComboEntry>(this, name.c_str()));
        m_names.push_back(name);
    }
    SelectIndex(selectedRow);
}

void DotGainList::ApplySelection()
{
    const std::string name = SelectedName();
    if (name.empty()) {
        SendCurve(0.0, 0.0, 0.0, 0.0, 0.0);
        const std::string automatic = LocalizeKey(kAutomatic);
        SetTipString(m_folderMissing ? (automatic + '\n' + DotGainMessages::FolderMissingText()).c_str()
                                     : automatic.c_str());
        return;
    }
    const std::unique_ptr<PressSettings> setting = PressStore::Load(name);
    if (!setting) {
        m_folderMissing = !PressStore::FolderExists();
        SetTipString(m_folderMissing ? DotGainMessages::FolderMissingText().c_str() : "");
        return;
    }
    const PressDotGain curve = setting->GetDotGain();
    SendCurve(curve.Minimum / kPercent, curve.At25 / kPercent, curve.At50 / kPercent, curve.At75 / kPercent,
              curve.Maximum / kPercent);
    SetTipString(CurveTip(curve).c_str());
}

std::string DotGainList::SelectedName() const
{
    const int row = currentIndex();
    return row > kAutomaticRow && row <= static_cast<int>(m_names.size()) ? m_names[row - 1] : std::string();
}

void DotGainList::Notify(std::int32_t code)
{
    if (code != qRVADM::kNotifyUserChanged)
        return;
    m_choice = SelectedName();
    ApplyAndRefresh();
}

void DotGainList::ApplyAndRefresh()
{
    ApplySelection();
    if (m_refreshPreview)
        m_refreshPreview();
}

void DotGainList::showPopup()
{
    if (m_folderMissing) {
        Fill(m_choice);
        ApplyAndRefresh();
    }
    RVADM_DropDownList::showPopup();
}

// What the engine answers is not used: a refused curve leaves its previous one.
void DotGainList::SendCurve(double minimum, double at25, double at50, double at75, double maximum) const
{
    if (const HLKilnSuite* kiln = EngineSuitePointers().kiln)
        kiln->SetDotGainCurve(minimum, at25, at50, at75, maximum);
}
