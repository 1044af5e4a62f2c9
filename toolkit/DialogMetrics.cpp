#include "toolkit/DialogMetrics.h"

#include "toolkit/RVADM_Item.h"

#include <QFontMetrics>
#include <QTextCodec>
#include <QWidget>

#ifdef _WIN32
#include <windows.h>
#endif

namespace qRVADM {
namespace {

enum Column
{
    kPanel,
    kPanelChinese,
    kDialog,
    kColumns
};

// Values by index: panel, panel on code page 936/950, modal dialog.
constexpr std::int32_t kTable[DialogMetrics::kCount][kColumns] = {
    {6, 6, 6},       {16, 17, 20},    {16, 20, 20}, {16, 20, 20}, {4, 4, 7},    {12, 14, 14}, {12, 14, 14},
    {4, 4, 4},       {16, 16, 27},    {14, 14, 14}, {19, 22, 22}, {4, 4, 7},    {6, 6, 7},    {50, 71, 71},
    {16, 18, 18},    {13, 14, 14},    {4, 4, 5},    {4, 4, 12},   {4, 4, 12},   {4, 4, 7},    {4, 4, 7},
    {6, 6, 6},       {10, 10, 10},    {9, 9, 9},    {206, 206, 206}, {9, 9, 21}, {6, 6, 11}, {15, 15, 17},
};

constexpr unsigned kSimplifiedChinese = 936;
constexpr unsigned kTraditionalChinese = 950;
constexpr int kTextBytes = 500;
constexpr std::int32_t kUnknownTextWidth = 250;

Column ColumnFor(bool modal, unsigned codePage)
{
    if (modal)
        return kDialog;
    return codePage == kSimplifiedChinese || codePage == kTraditionalChinese ? kPanelChinese : kPanel;
}

bool IsPushButton(std::uint32_t kind)
{
    return kind == kKindTextPushButton;
}

bool IsEditLike(std::uint32_t kind)
{
    return kind == kKindTextEdit || kind == kKindMultiLineEdit;
}

} // namespace

DialogMetrics::DialogMetrics(bool modal, unsigned codePage)
    : m_modal(modal)
{
    const Column column = ColumnFor(modal, codePage);
    for (int i = 0; i < kCount; ++i)
        m_values[static_cast<std::size_t>(i)] = kTable[i][column];
}

const DialogMetrics& DialogMetrics::ForModalDialogs()
{
    static const DialogMetrics metrics(true, SystemCodePage());
    return metrics;
}

unsigned DialogMetrics::SystemCodePage()
{
#ifdef _WIN32
    return GetACP();
#else
    switch (QTextCodec::codecForLocale()->mibEnum()) {
    case 113:  // GBK
    case 114:  // GB18030
    case 2025: // GB2312
        return kSimplifiedChinese;
    case 2026: // Big5
        return kTraditionalChinese;
    default:
        return 1252;
    }
#endif
}

std::int32_t DialogMetrics::Get(int index) const
{
    if (index < 0 || index >= kCount)
        return 0;
    return m_values[static_cast<std::size_t>(index)];
}

std::int32_t DialogMetrics::VerticalGap(std::uint32_t kindA, std::uint32_t kindB) const
{
    if (IsPushButton(kindA) && IsPushButton(kindB))
        return Get(kButtonVerticalGap);
    if (kindA == kindB && (kindA == kKindCheckBox || kindA == kKindRadioButton))
        return Get(kToggleGap);
    if (IsEditLike(kindA) && IsEditLike(kindB))
        return Get(kEditToEditGap);
    return Get(kDefaultGap);
}

std::int32_t DialogMetrics::HorizontalGap(std::uint32_t kindA, std::uint32_t kindB) const
{
    if (kindA == kKindLabel)
        return Get(kLabelGap);
    if (IsPushButton(kindA) && IsPushButton(kindB))
        return Get(kButtonHorizontalGap);
    return Get(kDefaultGap);
}

std::int32_t DialogMetrics::GapBeside(RectAlignment::Side side, std::uint32_t referenceKind,
                                      std::uint32_t itemKind) const
{
    switch (side) {
    case RectAlignment::Side::Below:
        return VerticalGap(referenceKind, itemKind);
    case RectAlignment::Side::Above:
        return VerticalGap(itemKind, referenceKind);
    case RectAlignment::Side::RightOf:
        return HorizontalGap(referenceKind, itemKind);
    case RectAlignment::Side::LeftOf:
        break;
    }
    return HorizontalGap(itemKind, referenceKind);
}

std::int32_t DialogMetrics::TextWidth(const RVADM_Item& item)
{
    const QWidget* widget = item.GetWidget();
    char text[kTextBytes];
    item.GetText(text, sizeof text, true);
    if (widget == nullptr || text[0] == '\0')
        return kUnknownTextWidth;
    return QFontMetrics(widget->font()).boundingRect(QString::fromUtf8(text)).width() + 1;
}

} // namespace qRVADM
