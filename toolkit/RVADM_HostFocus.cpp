#include "toolkit/RVADM_HostFocus.h"

#include "toolkit/RVADM_Host.h"

#include "RVADMQtManager.h"
#include "plugin/suites/AIContextSuite.h"

#include <QWidget>

#ifdef _WIN32
#include <windows.h>
#endif

namespace qRVADM {
namespace {

#ifdef _WIN32
constexpr wchar_t kPaletteLayerClass[] = L"OWL.WindowGroup";
constexpr wchar_t kPaletteLayerTitle[] = L"Palette Layer";

BOOL CALLBACK FindPaletteLayer(HWND window, LPARAM found)
{
    wchar_t name[64] = {};
    wchar_t title[64] = {};
    GetClassNameW(window, name, 64);
    GetWindowTextW(window, title, 64);
    if (lstrcmpW(name, kPaletteLayerClass) != 0 || lstrcmpW(title, kPaletteLayerTitle) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// Whether `window` is the foreground window or one of its ancestors.
bool InForegroundChain(HWND window)
{
    for (HWND chain = GetForegroundWindow(); chain != nullptr; chain = GetParent(chain)) {
        if (chain == window)
            return true;
    }
    return false;
}

void ActivateNative(QWidget* widget, bool force)
{
    HWND top = GetAncestor(reinterpret_cast<HWND>(widget->window()->winId()), GA_ROOT);
    if (!force && InForegroundChain(top))
        return;
    if (RVADMQtManager::QtManager::IsOnNonModalDialog(widget)) {
        HWND layer = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindPaletteLayer, reinterpret_cast<LPARAM>(&layer));
        if (layer != nullptr)
            SetWindowPos(top, layer, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    SetForegroundWindow(top);
}
#else
// The host hosts the panel's widgets in Qt windows of its own, and its windows are widgets.
void ActivateNative(QWidget* widget, bool force)
{
    QWidget* top = widget->window();
    if (!force && top->isActiveWindow())
        return;
    top->raise();
    top->activateWindow();
}
#endif

} // namespace

AIWindowRef RVADM_HostFocus::GetHostWindow()
{
    const AIContextSuite* context = RVADM_Host::Get().context;
    AIWindowRef window = nullptr;
    if (context == nullptr || context->GetPlatformAppWindow == nullptr ||
        context->GetPlatformAppWindow(&window) != kNoErr)
        return nullptr;
    return window;
}

void RVADM_HostFocus::ReturnFocusToHost()
{
    AIWindowRef window = GetHostWindow();
    if (window == nullptr)
        return;
#ifdef _WIN32
    SetFocus(static_cast<HWND>(window));
#else
    auto* host = static_cast<QWidget*>(window);
    host->activateWindow();
    host->setFocus(Qt::OtherFocusReason);
#endif
}

void RVADM_HostFocus::ActivateWidgetWindow(QWidget* widget, bool force)
{
    if (widget != nullptr)
        ActivateNative(widget, force);
}

} // namespace qRVADM
