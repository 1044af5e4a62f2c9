#include "toolkit/RVADM_NonModalDialog.h"

#include "toolkit/RVADM_AppContextScope.h"
#include "toolkit/RVADM_Host.h"
#include "toolkit/RVADM_HostFocus.h"
#include "toolkit/RVADM_Menu.h"
#include "toolkit/RVADM_MenuEntry.h"
#include "toolkit/internal/RVADM_FocusRules.h"
#include "toolkit/internal/RVADM_HostString.h"
#include "toolkit/internal/RVADM_PanelEmbedding.h"

#include "RVADMQtManager.h"
#include "plugin/suites/AIPanelSuite.h"
#include "support/Localization.h"

#include <QChildEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include <cmath>

namespace qRVADM {
namespace {

constexpr AISize kMinimumPanelSize{206, 100};
// Where a new panel goes, as a fraction of the available screen from its top-left corner.
constexpr double kPlacement = 0.3819644876794621;

ASInt32 Scaled(double value, double factor)
{
    return static_cast<ASInt32>(value * factor);
}

} // namespace

RVADM_NonModalDialog::RVADM_NonModalDialog()
    : m_metrics(false, DialogMetrics::SystemCodePage())
{
    RVADMQtManager::QtManager::IncreaseDialogCount();
    RVADMQtManager::QtManager::MakeDVAStyleAware(this, true);
}

RVADM_NonModalDialog::~RVADM_NonModalDialog()
{
    StopNotifying();
    setParent(nullptr);
    m_flyoutMenu.reset();
    m_hostWidget.reset();
    if (m_panel != nullptr) {
        RVADMQtManager::SharedResources::UnregisterPanelIcon(m_panel);
        if (const AIPanelSuite* panels = RVADM_Host::Get().panel)
            panels->Destroy(m_panel);
    }
    RVADMQtManager::QtManager::DecreaseDialogCountLater(this);
}

AIErr RVADM_NonModalDialog::CreatePanel(const char* name, int kind, bool twoState, int iconId)
{
    const RVADM_Host::Suites& host = RVADM_Host::Get();
    if (m_panel != nullptr || name == nullptr || host.panel == nullptr || host.unicodeString == nullptr ||
        host.plugin == nullptr)
        return kNoHostPanelError;
    const internal::RVADM_HostString title(host.unicodeString, LocalizeKey(name));
    if (title.Get() == nullptr)
        return kNoHostPanelError;
    const double factor = HostPixelsPerPixel();
    const AISize minimum{Scaled(kMinimumPanelSize.width, factor), Scaled(kMinimumPanelSize.height, factor)};
    m_kind = kind;
    const AIErr error = host.panel->Create(host.plugin, name, title.Get(), twoState ? 2 : 1, &minimum,
                                           IsResizable() ? 1 : 0, nullptr, static_cast<RVADM_Dialog*>(this), &m_panel);
    if (error != kNoErr) {
        m_panel = nullptr;
        return error;
    }
    host.panel->SetSizeChangedProc(m_panel, PanelSizeChanged);
    host.panel->SetVisibilityChangedProc(m_panel, PanelVisibilityChanged);
    host.panel->SetClosedProc(m_panel, PanelClosed);
    RVADMQtManager::SharedResources::RegisterPanelIcon(m_panel, iconId, iconId);
    Initialize();
    setObjectName(QString::fromUtf8(name));
    return kNoErr;
}

bool RVADM_NonModalDialog::ShowPanel(bool show)
{
    const AIPanelSuite* panels = RVADM_Host::Get().panel;
    return m_panel != nullptr && panels != nullptr && panels->Show(m_panel, show ? 1 : 0) == kNoErr;
}

bool RVADM_NonModalDialog::IsPanelShown() const
{
    const AIPanelSuite* panels = RVADM_Host::Get().panel;
    AIBoolean shown = 0;
    return m_panel != nullptr && panels != nullptr && panels->IsShown(m_panel, &shown) == kNoErr && shown != 0;
}

void RVADM_NonModalDialog::CreateItems()
{
    if (m_flyoutMenu == nullptr)
        m_flyoutMenu = std::make_unique<RVADM_Menu>(this);
}

QWidget* RVADM_NonModalDialog::GetWidget()
{
    return this;
}

const DialogMetrics& RVADM_NonModalDialog::GetStyle() const
{
    return m_metrics;
}

bool RVADM_NonModalDialog::IsResizable() const
{
    return m_kind == kResizableKind;
}

void RVADM_NonModalDialog::Initialize()
{
    Embed();
    PlaceOnScreen();
    RVADM_Dialog::Initialize();
}

void RVADM_NonModalDialog::SetSize(std::int32_t width, std::int32_t height)
{
    RVADM_Dialog::SetSize(width, height);
    const AIPanelSuite* panels = RVADM_Host::Get().panel;
    if (m_panel == nullptr || panels == nullptr)
        return;
    const double factor = HostPixelsPerPixel();
    const AISize size{Scaled(width, factor), Scaled(height, factor)};
    const RVADM_AppContextScope context;
    panels->SetSize(m_panel, &size);
}

void RVADM_NonModalDialog::SetMinimumWidth(std::int32_t width)
{
    const AIPanelSuite* panels = RVADM_Host::Get().panel;
    if (m_panel == nullptr || panels == nullptr)
        return;
    const double factor = HostPixelsPerPixel();
    const AISize minimum{Scaled(width, factor), Scaled(kMinimumPanelSize.height, factor)};
    panels->SetMinimumSize(m_panel, &minimum);
}

void RVADM_NonModalDialog::SetVerticalResizeIncrement(std::int32_t pixels)
{
    const AIPanelSuite* panels = RVADM_Host::Get().panel;
    if (m_panel != nullptr && panels != nullptr)
        panels->SetVerticalResizeIncrement(m_panel, pixels);
}

void RVADM_NonModalDialog::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    OnResize();
}

double RVADM_NonModalDialog::HostPixelsPerPixel() const
{
    return devicePixelRatioF() / RVADM_Host::UIScaleFactor();
}

void RVADM_NonModalDialog::Embed()
{
    const AIPanelSuite* panels = RVADM_Host::Get().panel;
    AIWindowRef window = nullptr;
    if (m_panel == nullptr || panels == nullptr || panels->GetPlatformWindow(m_panel, &window) != kNoErr ||
        window == nullptr)
        return;
    m_panelWindow = window;
    m_hostWidget = internal::EmbedInPanel(*this, window);
}

void RVADM_NonModalDialog::PlaceOnScreen()
{
    const AIPanelSuite* panels = RVADM_Host::Get().panel;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (m_panel == nullptr || panels == nullptr || screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    const double factor = HostPixelsPerPixel();
    const AIPoint topLeft{Scaled(available.left() + available.width() * kPlacement, factor),
                          Scaled(available.top() + available.height() * kPlacement, factor)};
    panels->SetPosition(m_panel, &topLeft);
}

void RVADM_NonModalDialog::FollowPanelSize()
{
    if (m_panelWindow == nullptr)
        return;
    const QSize size = internal::PanelContentSize(m_panelWindow, *this);
    if (m_hostWidget != nullptr)
        m_hostWidget->resize(size);
    resize(size);
}

bool RVADM_NonModalDialog::event(QEvent* event)
{
    if (event->type() != static_cast<QEvent::Type>(kCustomEventType))
        return QWidget::event(event);
    OnCustomEvent(event);
    return true;
}

void RVADM_NonModalDialog::childEvent(QChildEvent* event)
{
    if (internal::WatchWidgetChild(*this, *event))
        EnableAfterModal();
    QWidget::childEvent(event);
}

// A modal window of the dialog disables the panel while it is shown; the window itself stays
// enabled.
bool RVADM_NonModalDialog::eventFilter(QObject* watched, QEvent* event)
{
    auto* child = qobject_cast<QWidget*>(watched);
    if (child == nullptr || !child->isWindow())
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::Show && child->isModal() && !m_disabledByModal) {
        m_disabledByModal = true;
        setEnabled(false);
        child->setEnabled(true);
    } else if (event->type() == QEvent::Hide) {
        EnableAfterModal();
    }
    return QWidget::eventFilter(watched, event);
}

void RVADM_NonModalDialog::EnableAfterModal()
{
    if (!m_disabledByModal)
        return;
    m_disabledByModal = false;
    setEnabled(true);
}

void RVADM_NonModalDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    RVADM_HostFocus::ReturnFocusToHost();
}

// Arriving with Tab (Shift+Tab) the focus goes on to the first (last) item that takes it.
void RVADM_NonModalDialog::focusInEvent(QFocusEvent* event)
{
    event->accept();
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
        internal::FocusContainerEdge(*this, reason == Qt::TabFocusReason, reason);
    RVADM_HostFocus::ActivateWidgetWindow(this, false);
}

bool RVADM_NonModalDialog::focusNextPrevChild(bool next)
{
    if (!internal::FocusLeavesContainer(*this, next))
        return QWidget::focusNextPrevChild(next);
    RVADM_HostFocus::ReturnFocusToHost();
    return true;
}

RVADM_NonModalDialog* RVADM_NonModalDialog::FromPanel(AIPanelRef panel)
{
    const AIPanelSuite* panels = RVADM_Host::Get().panel;
    AIPanelUserData data = nullptr;
    if (panels == nullptr || panels->GetUserData(panel, &data) != kNoErr || data == nullptr)
        return nullptr;
    return dynamic_cast<RVADM_NonModalDialog*>(static_cast<RVADM_Dialog*>(data));
}

void RVADM_NonModalDialog::OnPanelEvent(std::int32_t code)
{
    if (code == kPanelResized || code == kPanelShown) {
        FollowPanelSize();
    } else if (code == kPanelClosed) {
        if (QWidget* focus = focusWidget())
            focus->clearFocus();
    }
}

void RVADM_NonModalDialog::OnFlyoutMenu(RVADM_MenuEntry& entry)
{
    entry.OnSelect();
}

void RVADM_NonModalDialog::DeliverPanelEvent(AIPanelRef panel, std::int32_t code)
{
    if (RVADM_NonModalDialog* dialog = FromPanel(panel))
        dialog->OnPanelEvent(code);
}

void RVADM_NonModalDialog::PanelSizeChanged(AIPanelRef panel)
{
    DeliverPanelEvent(panel, kPanelResized);
}

void RVADM_NonModalDialog::PanelVisibilityChanged(AIPanelRef panel, AIBoolean visible)
{
    DeliverPanelEvent(panel, visible != 0 ? kPanelShown : kPanelHidden);
}

void RVADM_NonModalDialog::PanelClosed(AIPanelRef panel)
{
    DeliverPanelEvent(panel, kPanelClosed);
}

} // namespace qRVADM
