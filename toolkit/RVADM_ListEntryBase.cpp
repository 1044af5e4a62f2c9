#include "toolkit/RVADM_ListEntryBase.h"

#include "toolkit/RVADM_Tracker.h"
#include "toolkit/internal/Utf8Buffer.h"

#include "support/Localization.h"

#include <QString>
#include <QTextDocument>

namespace qRVADM {

RVADM_ListEntryBase::~RVADM_ListEntryBase() = default;

void RVADM_ListEntryBase::GetText(char* buffer, std::size_t size) const
{
    internal::Utf8Buffer::Copy(EntryText().toUtf8(), buffer, size);
}

void RVADM_ListEntryBase::GetTextW(char16_t* buffer, std::size_t size) const
{
    internal::Utf8Buffer::CopyUtf16(EntryText(), buffer, size);
}

void RVADM_ListEntryBase::SetText(const char* text, bool localize)
{
    const char* given = text != nullptr ? text : "";
    SetEntryText(QString::fromUtf8(localize ? LocalizeKey(given) : given));
}

void RVADM_ListEntryBase::SetTextW(const char16_t* text)
{
    SetEntryText(text != nullptr ? QString::fromUtf16(text) : QString());
}

void RVADM_ListEntryBase::SetTipString(const char* text, bool localize, bool richText)
{
    if (text == nullptr) {
        SetEntryTip(QString());
        return;
    }
    QString tip = QString::fromUtf8(localize ? LocalizeKey(text) : text);
    if (!richText && Qt::mightBeRichText(tip))
        tip = Qt::convertFromPlainText(tip, Qt::WhiteSpacePre);
    SetEntryTip(tip);
}

bool RVADM_ListEntryBase::Track(RVADM_Tracker)
{
    return false;
}

} // namespace qRVADM
