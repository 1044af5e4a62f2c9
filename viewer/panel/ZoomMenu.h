#pragma once

#include "toolkit/RVADM_DropDownList.h"
#include "viewer/model/ZoomMenuModel.h"

#include <functional>
#include <memory>
#include <vector>

// The zoom drop-down: the zoom levels, a separator, "Fit ArtBoard" and "Fit Graphics". It shows
// the canvas's zoom by selecting the matching level or, when none matches, with no selection and
// the percentage as its text (the custom state). Selections it makes itself never notify. The
// state lives in a ZoomMenuModel that the widget mirrors.
class ZoomMenu final : public qRVADM::RVADM_DropDownList
{
public:
    // Appends the 33 entries. `choose` applies a chosen entry's value (a zoom percentage or a fit
    // value); `zoomToPercent` applies a zoom buttons' step past the levels.
    ZoomMenu(qRVADM::RVADM_ItemParent* parent, std::function<void(double value)> choose,
             std::function<void(double percent)> zoomToPercent);
    ~ZoomMenu() override;

    // Factors that are not finite and positive (a canvas with no area) leave the menu as it is.
    void ShowZoom(double factor);
    // No text and no selection; the custom state and percentage stay for the buttons.
    void Clear();
    // The buttons: the next level, chosen as by the user, or a custom percentage past the ends.
    void ZoomIn();
    void ZoomOut();
    // A user choice (code 2) applies the chosen entry.
    void Notify(std::int32_t code) override;

private:
    void Apply(const ZoomStep& step);
    // Shows the model's selection or custom text.
    void Mirror();

    std::function<void(double value)> m_choose;
    std::function<void(double percent)> m_zoomToPercent;
    ZoomMenuModel m_model;
    std::vector<std::unique_ptr<qRVADM::RVADM_ComboEntry>> m_entries;
};
