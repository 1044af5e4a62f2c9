#include "toolkit/RVADM_MessageDialog.h"

#include "toolkit/DialogMetrics.h"
#include "toolkit/RVADM_Label.h"
#include "toolkit/RVADM_PictureLabel.h"
#include "toolkit/RVADM_TextPushButton.h"

#include <algorithm>
#include <utility>

namespace qRVADM {
namespace {

constexpr std::int32_t kWidth = 494;
constexpr std::int32_t kHeight = 130;
constexpr std::int32_t kMargin = 15;
constexpr std::int32_t kIconColumn = 38;
constexpr std::int32_t kTextLeft = 70;
constexpr std::int32_t kMessageBelowHeading = 3;
constexpr std::int32_t kButtonsBelowMessage = 15;
constexpr int kHeadingFont = 5;
constexpr int kMessageFontUnderHeading = 2;
constexpr int kMessageFont = 1;

std::int32_t g_iconId = 16101;

std::string TextOf(const char* text)
{
    return text != nullptr ? std::string(text) : std::string();
}

// Message texts may come from outside (file names, engine errors): they show literally.
RVADM_Label* CreateLabel(RVADM_ItemParent* parent, const std::string& text, bool localize, int fontVariant)
{
    auto* label = new RVADM_Label(parent, nullptr);
    label->setTextFormat(Qt::PlainText);
    label->SetWordWrap(true);
    label->SetJustify(Qt::AlignLeft | Qt::AlignTop);
    label->SetText(text.c_str(), localize);
    label->SetFontSize(fontVariant);
    return label;
}

// Stretches a wrapped label from `left` to `right` and fits its height to the text.
void FitLabel(RVADM_Label& label, std::int32_t left, std::int32_t top, std::int32_t right)
{
    label.SetBoundsRect({left, top, right, top + label.heightForWidth(right - left)});
}

} // namespace

std::int32_t RVADM_MessageDialog::GetIconId()
{
    return g_iconId;
}

void RVADM_MessageDialog::SetIconId(std::int32_t id)
{
    g_iconId = id;
}

RVADM_MessageDialog::RVADM_MessageDialog(const char* heading, bool localizeHeading, const char* message,
                                         bool localizeMessage, const char* button0, const char* button1,
                                         bool noDefault)
    : RVADM_MessageDialog(GetIconId(), heading, localizeHeading, message, localizeMessage, button0, button1, noDefault)
{
}

RVADM_MessageDialog::RVADM_MessageDialog(const char* heading, bool localizeHeading, const char* message,
                                         bool localizeMessage, const char* button0, const char* button1,
                                         const char* button2, int defaultIndex, int cancelIndex,
                                         const char* const* tips)
    : RVADM_MessageDialog(GetIconId(), heading, localizeHeading, message, localizeMessage, button0, button1, button2,
                          defaultIndex, cancelIndex, tips)
{
}

RVADM_MessageDialog::RVADM_MessageDialog(std::int32_t iconId, const char* heading, bool localizeHeading,
                                         const char* message, bool localizeMessage, const char* button0,
                                         const char* button1, bool noDefault)
    : RVADM_MessageDialog(iconId,
                          ThreeButtonTexts(heading, localizeHeading, message, localizeMessage, button0, button1,
                                           nullptr, nullptr),
                          noDefault ? 1 : 0, button1 != nullptr && *button1 != '\0' ? 1 : 0)
{
}

RVADM_MessageDialog::RVADM_MessageDialog(std::int32_t iconId, const char* heading, bool localizeHeading,
                                         const char* message, bool localizeMessage, const char* button0,
                                         const char* button1, const char* button2, int defaultIndex,
                                         int cancelIndex, const char* const* tips)
    : RVADM_MessageDialog(iconId,
                          ThreeButtonTexts(heading, localizeHeading, message, localizeMessage, button0, button1,
                                           button2, tips),
                          defaultIndex, cancelIndex)
{
}

RVADM_MessageDialog::RVADM_MessageDialog(std::int32_t iconId, Texts texts, int defaultIndex, int cancelIndex)
    : m_iconId(iconId)
    , m_texts(std::move(texts))
    , m_defaultIndex(defaultIndex)
    , m_cancelIndex(cancelIndex)
    , m_clickedIndex(cancelIndex)
{
    Run();
}

RVADM_MessageDialog::Texts RVADM_MessageDialog::ThreeButtonTexts(const char* heading, bool localizeHeading,
                                                                 const char* message, bool localizeMessage,
                                                                 const char* button0, const char* button1,
                                                                 const char* button2, const char* const* tips)
{
    Texts texts{TextOf(heading), localizeHeading, TextOf(message), localizeMessage, {}, {}};
    texts.buttons = {TextOf(button0), TextOf(button1), TextOf(button2)};
    if (tips != nullptr)
        texts.tips = {TextOf(tips[0]), TextOf(tips[1]), TextOf(tips[2])};
    return texts;
}

void RVADM_MessageDialog::Run()
{
    Modal(nullptr);
}

void RVADM_MessageDialog::CreateItems()
{
    CreateButtons();
    CreateTexts();
    m_picture = new RVADM_PictureLabel(this, m_iconId);
}

void RVADM_MessageDialog::CreateButtons()
{
    const DialogMetrics& metrics = GetStyle();
    for (int i = 0; i < kButtonCount; ++i) {
        const std::string& text = m_texts.buttons[static_cast<std::size_t>(i)];
        if (text.empty())
            continue;
        auto* button = new RVADM_TextPushButton(this, text.c_str(), true);
        button->setAutoDefault(false);
        button->SetModalButton(true);
        const std::string& tip = m_texts.tips[static_cast<std::size_t>(i)];
        if (!tip.empty())
            button->SetTipString(tip.c_str(), true);
        const std::int32_t width = std::max(metrics.Get(DialogMetrics::kButtonMinWidth),
                                            DialogMetrics::TextWidth(*button) + metrics.Get(DialogMetrics::kButtonExtraWidth));
        button->SetSize(width, metrics.Get(DialogMetrics::kButtonHeight));
        m_buttons[static_cast<std::size_t>(i)] = button;
        if (i == m_defaultIndex) {
            SetDefaultItem(button);
            button->SetFocus(true);
        }
        if (i == m_cancelIndex)
            SetCancelItem(button);
    }
}

void RVADM_MessageDialog::CreateTexts()
{
    const bool hasHeading = !m_texts.heading.empty() && !m_texts.message.empty();
    if (hasHeading) {
        m_heading = CreateLabel(this, m_texts.heading, m_texts.localizeHeading, kHeadingFont);
        m_message = CreateLabel(this, m_texts.message, m_texts.localizeMessage, kMessageFontUnderHeading);
    } else {
        // The message alone comes in the heading's place.
        const bool alone = m_texts.message.empty();
        m_message = CreateLabel(this, alone ? m_texts.heading : m_texts.message,
                                alone ? m_texts.localizeHeading : m_texts.localizeMessage, kMessageFont);
    }
}

void RVADM_MessageDialog::Layout()
{
    SetSize(kWidth, kHeight);
    SetMargins(kMargin);
    RVADM_Rect inner;
    GetInnerRect(inner);

    m_picture->MoveTo((kIconColumn - m_picture->GetWidth()) / 2 + kMargin, kMargin);

    std::int32_t messageTop = kMargin;
    if (m_heading != nullptr) {
        FitLabel(*m_heading, kTextLeft, kMargin, inner.right);
        messageTop = m_heading->GetBottom() + kMessageBelowHeading;
    }
    FitLabel(*m_message, kTextLeft, messageTop, inner.right);
    if (m_message->GetBottom() < m_picture->GetBottom())
        m_message->SetHeight(m_picture->GetBottom() - m_message->GetTop());

    SetSize(kWidth, LayoutButtons(*m_message));
    Center();
}

std::int32_t RVADM_MessageDialog::LayoutButtons(const RVADM_Item& above)
{
    RVADM_Rect inner;
    GetInnerRect(inner);
    const std::int32_t gap = GetStyle().Get(DialogMetrics::kDefaultGap);
    std::int32_t bottom = above.GetBottom() + kMargin;
    RVADM_Item* previous = nullptr;
    for (int i = kButtonCount - 1; i >= 0; --i) {
        RVADM_Item* button = m_buttons[static_cast<std::size_t>(i)];
        if (button == nullptr)
            continue;
        if (previous == nullptr) {
            const std::int32_t top = above.GetBottom() + kButtonsBelowMessage;
            button->MoveTo(inner.right - button->GetWidth(), top);
            bottom = button->GetBottom() + kMargin;
        } else {
            RVADM_Item::MoveLeftOf(previous, button, kAlignCenterVertical, gap);
        }
        previous = button;
    }
    return bottom;
}

void RVADM_MessageDialog::OnNotify(RVADM_Item* item)
{
    const auto found = std::find(m_buttons.begin(), m_buttons.end(), item);
    if (item == nullptr || found == m_buttons.end())
        return;
    m_clickedIndex = static_cast<int>(found - m_buttons.begin());
    EndModal(m_clickedIndex, true);
}

} // namespace qRVADM
