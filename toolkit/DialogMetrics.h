#pragma once

#include "toolkit/RectAlignment.h"

#include <array>
#include <cstdint>

namespace qRVADM {

class RVADM_Item;

// Layout metrics of one dialog family: 28 values in pixels, read by index, and whether they are
// the modal-dialog variant. The modal dialogs share one instance; each panel owns its own.
class DialogMetrics
{
public:
    static constexpr int kCount = 28;

    enum Index : int
    {
        kEditExtraWidth = 0,
        kEditHeight = 1,
        kDropDownHeight = 3,
        kEditToEditGap = 4,
        kLabelLineHeight = 5,
        kLabelGap = 7,
        kButtonExtraWidth = 9,
        kButtonHeight = 10,
        kButtonVerticalGap = 11,
        kButtonHorizontalGap = 12,
        kButtonMinWidth = 13,
        kToggleExtraWidth = 14,
        kToggleHeight = 15,
        kToggleGap = 16,
        kTopMargin = 17,
        kMargin = 18,
        kDefaultGap = 20,
        kPictureMargin = 21,
        kSliderWidthBase = 22,
        kSliderHeight = 23,
        kPanelDefaultWidth = 24,
        kScrollBarThickness = 27,
    };

    // `codePage` is the system ANSI code page; only the panel variant depends on it.
    DialogMetrics(bool modal, unsigned codePage);

    // The metrics every modal dialog uses, created on first use.
    static const DialogMetrics& ForModalDialogs();
    // The system's ANSI code page (936 and 950 for the Chinese ones).
    static unsigned SystemCodePage();

    bool IsModal() const { return m_modal; }
    // The value at `index`; 0 outside 0..27.
    std::int32_t Get(int index) const;

    // Gaps between item A (upper or left) and item B (lower or right), by kind code.
    std::int32_t VerticalGap(std::uint32_t kindA, std::uint32_t kindB) const;
    std::int32_t HorizontalGap(std::uint32_t kindA, std::uint32_t kindB) const;
    // The gap for an item of `itemKind` placed on `side` of a reference of `referenceKind`.
    std::int32_t GapBeside(RectAlignment::Side side, std::uint32_t referenceKind, std::uint32_t itemKind) const;

    // Width of the item's current text in its font (bounding width + 1, text read back from the
    // widget, at most 500 bytes); 250 when the item has no widget or no text.
    static std::int32_t TextWidth(const RVADM_Item& item);

private:
    bool m_modal;
    std::array<std::int32_t, kCount> m_values;
};

} // namespace qRVADM
