#include "toolkit/RVADM_ModalDialog.h"

#include "toolkit/DialogMetrics.h"
#include "toolkit/RVADM_Item.h"
#include "toolkit/RVADM_Host.h"

#include "RVADMQtManager.h"

#include <QApplication>
#include <QPushButton>
#include <QResizeEvent>
#include <QSizeGrip>
#include <QTimerEvent>

namespace qRVADM {
namespace {

constexpr Qt::WindowFlags kBaseFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint;

// Counts the dialog in before its window exists and finds the window's parent.
QWidget* RegisterAndFindParent()
{
    RVADMQtManager::QtManager::IncreaseDialogCount();
    return RVADMQtManager::QtManager::GetModalDialogParent(nullptr, true);
}

Qt::WindowFlags FlagsFor(bool resizable)
{
    return resizable ? kBaseFlags : kBaseFlags | Qt::MSWindowsFixedSizeDialogHint;
}

QPushButton* PushButtonOf(RVADM_Item* item)
{
    return item != nullptr ? qobject_cast<QPushButton*>(item->GetWidget()) : nullptr;
}

} // namespace

RVADM_ModalDialog::RVADM_ModalDialog(bool resizable)
    : QDialog(RegisterAndFindParent(), FlagsFor(resizable))
    , m_resizable(resizable)
{
    RVADMQtManager::QtManager::MakeDVAStyleAware(this, true);
    setWindowModality(Qt::ApplicationModal);
    setSizeGripEnabled(resizable);
    if (auto* grip = findChild<QSizeGrip*>())
        grip->resize(grip->sizeHint());
}

RVADM_ModalDialog::~RVADM_ModalDialog()
{
    StopNotifying();
    RVADMQtManager::QtManager::DecreaseDialogCountLater(this);
}

QWidget* RVADM_ModalDialog::GetWidget()
{
    return this;
}

const DialogMetrics& RVADM_ModalDialog::GetStyle() const
{
    return DialogMetrics::ForModalDialogs();
}

bool RVADM_ModalDialog::IsResizable() const
{
    return m_resizable;
}

void RVADM_ModalDialog::OnResize()
{
    if (!IsLayoutEnabled() || size() == m_laidOutSize)
        return;
    m_laidOutSize = size();
    RVADM_Dialog::OnResize();
    if (size() != m_laidOutSize)
        QApplication::postEvent(this, new QResizeEvent(size(), m_laidOutSize));
}

void RVADM_ModalDialog::NotifyItem(RVADM_Item* item, std::int32_t code)
{
    if (item != nullptr)
        item->Notify(code);
}

int RVADM_ModalDialog::Modal(const char* title, bool localize)
{
    if (!RVADM_Host::IsUserInteractionAllowed())
        return -1;
    SetTitle(title, localize);
    Initialize();
    return exec();
}

void RVADM_ModalDialog::EndModal(int result, bool cancelled)
{
    if (!cancelled)
        CommitItems();
    m_ended = true;
    m_result = result;
    done(result);
}

void RVADM_ModalDialog::SetDefaultItem(RVADM_Item* item)
{
    QPushButton* button = PushButtonOf(item);
    if (button == nullptr)
        return;
    button->setDefault(true);
    button->setProperty("_rvadm_isdefault", true);
    button->setProperty("_rvadm_ismodalbutton", true);
}

void RVADM_ModalDialog::SetCancelItem(RVADM_Item* item)
{
    m_cancelItem = item;
    if (QPushButton* button = PushButtonOf(item))
        button->setProperty("_rvadm_ismodalbutton", true);
}

void RVADM_ModalDialog::SetTabOrder(const std::vector<RVADM_Item*>& items)
{
    QWidget* previous = nullptr;
    for (RVADM_Item* item : items) {
        QWidget* widget = item != nullptr ? item->GetWidget() : nullptr;
        if (widget == nullptr)
            continue;
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void RVADM_ModalDialog::StartTimer(int milliseconds)
{
    if (m_timerActive)
        return;
    m_timerId = startTimer(milliseconds, Qt::CoarseTimer);
    m_timerActive = m_timerId != 0;
}

void RVADM_ModalDialog::StopTimer()
{
    if (!m_timerActive)
        return;
    killTimer(m_timerId);
    m_timerActive = false;
    m_timerId = 0;
}

bool RVADM_ModalDialog::OnTimer(QTimerEvent*)
{
    return false;
}

void RVADM_ModalDialog::reject()
{
    m_ended = false;
    if (m_cancelItem != nullptr) {
        m_cancelItem->Notify(kNotifyUserChanged);
        if (m_ended)
            return;
    }
    QDialog::reject();
}

bool RVADM_ModalDialog::event(QEvent* event)
{
    if (event->type() == static_cast<QEvent::Type>(kCustomEventType))
        OnCustomEvent(event);
    return QDialog::event(event);
}

void RVADM_ModalDialog::resizeEvent(QResizeEvent* event)
{
    OnResize();
    QDialog::resizeEvent(event);
}

void RVADM_ModalDialog::timerEvent(QTimerEvent* event)
{
    if (!m_timerActive || event->timerId() != m_timerId) {
        QDialog::timerEvent(event);
        return;
    }
    if (!OnTimer(event))
        StopTimer();
}

} // namespace qRVADM
