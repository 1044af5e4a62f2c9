#include "toolkit/RVADM_TextEdit.h"

#include "toolkit/RVADM_HostFocus.h"
#include "toolkit/internal/RVADM_ControlSetup.h"

#include "RVADMQtManager.h"
#include "support/Localization.h"

#include <QKeyEvent>

namespace qRVADM {
namespace {

constexpr int kCommitKeys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape};

bool IsCommitKey(int key)
{
    for (const int commit : kCommitKeys) {
        if (commit == key)
            return true;
    }
    return false;
}

} // namespace

RVADM_TextEdit::RVADM_TextEdit(RVADM_ItemParent* parent, const char* text, bool localize)
    : RVADM_QMetaObjectProxy(parent, kKindTextEdit)
{
    internal::SetUpControl(*this, text, localize);
    ConnectToDialog(SIGNAL(editingFinished()), SLOT(OnTextEditChanged()));
    ConnectToDialog(SIGNAL(selectionChanged()), SLOT(OnTextEditSelectionChanged()));
    ConnectToDialog(SIGNAL(textEdited(const QString&)), SLOT(OnIntermediateTextEditChanged()));
}

void RVADM_TextEdit::SetPlaceholderText(const char* text, bool localize)
{
    if (text == nullptr) {
        setPlaceholderText(QString());
        return;
    }
    setPlaceholderText(QString::fromUtf8(localize ? LocalizeKey(text) : text));
}

void RVADM_TextEdit::SelectAll()
{
    selectAll();
}

void RVADM_TextEdit::SetReadOnly(bool readOnly)
{
    setReadOnly(readOnly);
}

bool RVADM_TextEdit::IsModified() const
{
    return isModified();
}

void RVADM_TextEdit::keyPressEvent(QKeyEvent* event)
{
    QLineEdit::keyPressEvent(event);
    if (!IsCommitKey(event->key()) || !RVADMQtManager::QtManager::IsOnNonModalDialog(this))
        return;
    event->accept();
    clearFocus();
    RVADM_HostFocus::ReturnFocusToHost();
}

void RVADM_TextEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (RVADMQtManager::QtManager::IsOnNonModalDialog(this))
        RVADM_HostFocus::ActivateWidgetWindow(this, false);
}

} // namespace qRVADM
