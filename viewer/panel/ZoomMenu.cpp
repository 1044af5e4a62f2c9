#include "viewer/panel/ZoomMenu.h"

#include "toolkit/RVADM_ComboEntrySeparator.h"
#include "viewer/panel/ZoomEntry.h"

#include <cmath>
#include <utility>

ZoomMenu::ZoomMenu(qRVADM::RVADM_ItemParent* parent, std::function<void(double value)> choose,
                   std::function<void(double percent)> zoomToPercent)
    : RVADM_DropDownList(parent), m_choose(std::move(choose)), m_zoomToPercent(std::move(zoomToPercent))
{
    for (const ZoomMenuRow& row : kZoomMenuRows) {
        if (row.label != nullptr)
            m_entries.push_back(std::make_unique<ZoomEntry>(this, row.label, row.value));
        else
            m_entries.push_back(std::make_unique<qRVADM::RVADM_ComboEntrySeparator>(this));
    }
    // A screen reader names the list by the zoom it shows, and says what that number is.
    SetAccessibleName("Zoom", true);
}

ZoomMenu::~ZoomMenu() = default;

void ZoomMenu::ShowZoom(double factor)
{
    if (!std::isfinite(factor) || factor <= 0.0)
        return;
    m_model.ShowZoom(factor);
    Mirror();
}

void ZoomMenu::Clear()
{
    m_model.Clear();
    Mirror();
}

void ZoomMenu::ZoomIn()
{
    Apply(m_model.ZoomIn());
}

void ZoomMenu::ZoomOut()
{
    Apply(m_model.ZoomOut());
}

void ZoomMenu::Apply(const ZoomStep& step)
{
    switch (step.kind) {
    case ZoomStep::Kind::ChooseEntry:
        SelectIndex(step.entry);
        Notify(qRVADM::kNotifyUserChanged);
        break;
    case ZoomStep::Kind::CustomPercent:
        Mirror();
        m_zoomToPercent(step.percent);
        break;
    case ZoomStep::Kind::None:
        break;
    }
}

void ZoomMenu::Notify(std::int32_t code)
{
    if (code == qRVADM::kNotifyUserChanged)
        if (const auto* entry = dynamic_cast<const ZoomEntry*>(GetActiveEntry()); entry && m_model.Select(entry->GetIndex()))
            m_choose(entry->GetValue());
    RVADM_DropDownList::Notify(code);
}

void ZoomMenu::Mirror()
{
    SetPlaceholderText(m_model.Text().c_str());
    SelectIndex(m_model.Selected());
    update();
}
