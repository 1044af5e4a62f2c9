#pragma once

#include "plugin/suites/SPTypes.h"

#include <cstddef>
#include <cstdint>

class HuelineFrame;

namespace qRVADM {
class RVADM_Dialog;
class RVADM_Item;
class RVADM_Label;
class RVADM_PictureLabel;
}  // namespace qRVADM

// The panel's connection status: a light (green, orange, red) and a short title for the state of
// the engine's connection to its colour service, with the engine's explanation as tool tip.
// Refreshed at creation, on the engine's "HL Conn Stat" and by the panel's generate action;
// nothing polls in between. The items belong to the panel's item tree. Host UI thread only.
class HuelineSection
{
public:
    // Light picture ids: connected, warning, not connected.
    static constexpr std::int32_t kGreenLight = 16209;
    static constexpr std::int32_t kOrangeLight = 16210;
    static constexpr std::int32_t kRedLight = 16211;
    // A refresh within this many host time counts of the last full query asks the engine for
    // its recent answer.
    static constexpr std::uint32_t kRecentCounts = 600;

    // `panel` lays the section out; it outlives the section.
    explicit HuelineSection(qRVADM::RVADM_Dialog& panel);
    virtual ~HuelineSection() = default;

    HuelineSection(const HuelineSection&) = delete;
    HuelineSection& operator=(const HuelineSection&) = delete;

    // Creates the frame, the light and the title on the panel, refreshes, and shows them when
    // `shown` (the panel's expanded mode).
    void Create(bool shown);
    // Asks the engine for the connection state and shows it. A refresh asked for while one runs
    // (from a notification raised inside the engine call) is dropped.
    void Refresh();
    // Places the frame right of `leftNeighbour`'s frame (overlapping its edge), the light and
    // the title inside it.
    void Layout(qRVADM::RVADM_Item& leftNeighbour);

    // Null before `Create`.
    qRVADM::RVADM_Item* GetFrame() const;

private:
    static constexpr std::size_t kTextSize = 256;

    // Whether the engine may answer from its last full query; a full query restarts the count.
    bool TakeRecentFlag();
    void Query(bool recent);
    void ShowStatus();

    HuelineFrame* m_frame = nullptr;
    qRVADM::RVADM_Dialog& m_panel;
    qRVADM::RVADM_Label* m_title = nullptr;
    qRVADM::RVADM_PictureLabel* m_light = nullptr;
    char m_titleText[kTextSize];
    char m_message[kTextSize];
    const char* m_lightName;
    std::int32_t m_lightId = kRedLight;
    ASUInt32 m_lastFullQuery = 0;
};
