#pragma once

#include <cstdint>

class InkWarningFrame;

namespace qRVADM {
class RVADM_Dialog;
class RVADM_Item;
class RVADM_PictureLabel;
}  // namespace qRVADM

// The panel's ink warning: an icon, enabled with an explaining tool tip when the current
// document uses an ink that none of the colour service's colour books holds, shown disabled and
// without tool tip otherwise. The items belong to the panel's item tree. Host UI thread only.
class InkWarningSection
{
public:
    static constexpr std::int32_t kWarningPicture = 16003;
    // The tool tip's resource key.
    static constexpr const char* kWarningText =
        "Some colors in this document are not part of Hueline.\n"
        "These colors may not be accurately displayed.\n"
        "You can open the Hueline Color Manager to see a complete list of colors and\n"
        "remap them appropriately to colors which are part of Hueline.";
    // What a screen reader calls the icon, lit and grey (resource keys); lit, the tool tip is
    // its description.
    static constexpr const char* kWarningName = "Ink warning";
    static constexpr const char* kNoWarningName = "No ink warning";

    // Acquires the engine's ink suites for the process when they are not held yet; without them
    // the warning stays off.
    explicit InkWarningSection(qRVADM::RVADM_Dialog& panel);
    virtual ~InkWarningSection() = default;

    InkWarningSection(const InkWarningSection&) = delete;
    InkWarningSection& operator=(const InkWarningSection&) = delete;

    // Creates the frame and the icon on the panel, refreshes, and shows them when `shown` (the
    // panel's expanded mode).
    void Create(bool shown);
    // Scans the current document's inks; the first one missing from the colour books turns the
    // warning on.
    void Refresh();
    // The first section of the bottom bar: at the panel's bottom-left corner.
    void Layout();

    // Null before `Create`.
    qRVADM::RVADM_Item* GetFrame() const;

private:
    static bool HasForeignInk();

    qRVADM::RVADM_Dialog& m_panel;
    InkWarningFrame* m_frame = nullptr;
    qRVADM::RVADM_PictureLabel* m_icon = nullptr;
};
