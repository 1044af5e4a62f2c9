#pragma once

#include <functional>

class DotGainFrame;
class DotGainList;

namespace qRVADM {
class RVADM_Dialog;
class RVADM_Item;
class RVADM_Label;
}  // namespace qRVADM

// The panel's dot gain curve: a frame holding the label "Dot Gain Curve:" and the list of the
// stored dot gain settings, headed by "Automatic". The items belong to the panel's item tree.
// Host UI thread only.
class DotGainSection
{
public:
    // `panel` outlives the section; `refreshPreview` redraws the panel's preview after the
    // engine's curve changed.
    DotGainSection(qRVADM::RVADM_Dialog& panel, std::function<void()> refreshPreview);
    virtual ~DotGainSection() = default;

    DotGainSection(const DotGainSection&) = delete;
    DotGainSection& operator=(const DotGainSection&) = delete;

    // Creates the frame, the label and the list on the panel (the list sends "Automatic" to the
    // engine) and shows them when `shown` (the panel's expanded mode).
    void Create(bool shown);
    // Places the frame right of `leftNeighbour`'s frame (overlapping its edge), the label and
    // the list inside it.
    void Layout(qRVADM::RVADM_Item& leftNeighbour);
    // After the dot gain settings dialog: lists the settings again keeping the chosen one while
    // it still loads (else "Automatic"), applies the choice and redraws the preview, also when
    // the choice did not change, so that an edited curve takes effect.
    void Reload();

    // Null before `Create`.
    qRVADM::RVADM_Item* GetFrame() const;
    DotGainList* GetList() const { return m_list; }

private:
    qRVADM::RVADM_Dialog& m_panel;
    std::function<void()> m_refreshPreview;
    DotGainFrame* m_frame = nullptr;
    qRVADM::RVADM_Label* m_label = nullptr;
    DotGainList* m_list = nullptr;
};
