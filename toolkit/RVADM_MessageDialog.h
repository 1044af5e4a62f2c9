#pragma once

#include "toolkit/RVADM_ModalDialog.h"

#include <array>
#include <cstdint>
#include <string>

namespace qRVADM {

class RVADM_Label;
class RVADM_PictureLabel;
class RVADM_TextPushButton;

// A ready-made modal message: an icon, an optional bold heading, a message and up to three
// buttons, the highest index rightmost. The constructor runs the dialog and returns once it has
// closed; `GetClickedIndex` then tells which button ended it. Construct it on the stack.
class RVADM_MessageDialog : public RVADM_ModalDialog
{
    Q_OBJECT

public:
    static constexpr int kButtonCount = 3;

    // The process-wide icon of message dialogs, 16101 until changed.
    static std::int32_t GetIconId();
    static void SetIconId(std::int32_t id);

    // A message without heading comes as `heading` with an empty `message`. Button texts are
    // resource keys; a null or empty text leaves that button out. The cancel index is 1 when
    // button 1 has a text, else 0; the default index is 0, or 1 with `noDefault`.
    RVADM_MessageDialog(const char* heading, bool localizeHeading, const char* message, bool localizeMessage,
                        const char* button0, const char* button1, bool noDefault);
    // Three buttons with explicit default and cancel indexes; `tips` (may be null) holds one
    // tool tip per button, null for none.
    RVADM_MessageDialog(const char* heading, bool localizeHeading, const char* message, bool localizeMessage,
                        const char* button0, const char* button1, const char* button2, int defaultIndex,
                        int cancelIndex, const char* const* tips = nullptr);

    // The button that ended the dialog; the cancel index after Escape, a close or when the host
    // did not allow the dialog to show.
    int GetClickedIndex() const { return m_clickedIndex; }
    int GetDefaultIndex() const { return m_defaultIndex; }
    int GetCancelIndex() const { return m_cancelIndex; }

protected:
    struct Texts
    {
        std::string heading;
        bool localizeHeading;
        std::string message;
        bool localizeMessage;
        std::array<std::string, kButtonCount> buttons;
        std::array<std::string, kButtonCount> tips;
    };

    // For the critical variant: the dialogs above with the icon `iconId`.
    RVADM_MessageDialog(std::int32_t iconId, const char* heading, bool localizeHeading, const char* message,
                        bool localizeMessage, const char* button0, const char* button1, bool noDefault);
    RVADM_MessageDialog(std::int32_t iconId, const char* heading, bool localizeHeading, const char* message,
                        bool localizeMessage, const char* button0, const char* button1, const char* button2,
                        int defaultIndex, int cancelIndex, const char* const* tips);

    void CreateItems() override;
    void Layout() override;
    void OnNotify(RVADM_Item* item) override;

private:
    // Runs the dialog at once.
    RVADM_MessageDialog(std::int32_t iconId, Texts texts, int defaultIndex, int cancelIndex);

    static Texts ThreeButtonTexts(const char* heading, bool localizeHeading, const char* message,
                                  bool localizeMessage, const char* button0, const char* button1,
                                  const char* button2, const char* const* tips);

    void Run();
    void CreateButtons();
    void CreateTexts();
    // Places the buttons from the highest index down, below `above`; returns the dialog's height.
    std::int32_t LayoutButtons(const RVADM_Item& above);

    std::int32_t m_iconId;
    Texts m_texts;
    int m_defaultIndex;
    int m_cancelIndex;
    int m_clickedIndex;
    std::array<RVADM_TextPushButton*, kButtonCount> m_buttons{};
    RVADM_Label* m_heading = nullptr;
    RVADM_Label* m_message = nullptr;
    RVADM_PictureLabel* m_picture = nullptr;
};

} // namespace qRVADM
