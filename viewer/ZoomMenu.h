#pragma once

#include "toolkit/RVADM_DropDownList.h"
#include "viewer/ZoomMenuModel.h"

#include <memory>
#include <vector>

class ZoomSection;

// The zoom drop-down: the zoom levels, a separator, "Fit ArtBoard" and "Fit Graphics". It shows
// the canvas's zoom by selecting the matching level or, when none matches, with no selection and
// the percentage as its text (the custom state). Selections it makes itself never notify. The
// state lives in a ZoomMenuModel that the widget mirrors.
class ZoomMenu final : public qRVADM::RVADM_DropDownList
{
public:
    // Appends the 33 entries; `section` outlives the menu.
    ZoomMenu(qRVADM::RVADM_ItemParent* parent, ZoomSection& section);
    ~ZoomMenu() override;

    // Factors that are not finite and positive (a canvas with no area) leave the menu as it is.
    void ShowZoom(double factor);
    // No text and no selection; the custom state and percentage stay for the buttons.
    void Clear();
    // The buttons: the next level, chosen as by the user, or a custom percentage past the ends.
    void ZoomIn();
    void ZoomOut();
    // A user choice (code 2) applies the chosen entry through the section.
    void Notify(std::int32_t code) override;

    const ZoomMenuModel& Model() const { return m_model; }

private:
    void Apply(const ZoomStep& step);
    // Shows the model's selection or custom text.
    void Mirror();

    ZoomSection& m_section;
    ZoomMenuModel m_model;
    std::vector<std::unique_ptr<qRVADM::RVADM_ComboEntry>> m_entries;
};
