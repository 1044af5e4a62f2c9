// The host's windows as native Win32 windows.

#include "toolkit/RVADM_HostFocus.h"

#include "RVADMQtManager.h"

#include <QWidget>

#include <windows.h>

namespace qRVADM {
namespace {

constexpr wchar_t kPaletteLayerClass[] = L"OWL.WindowGroup";
constexpr wchar_t kPaletteLayerTitle[] = L"Palette Layer";
constexpr int kNameLength = 64;

BOOL CALLBACK FindPaletteLayer(HWND window, LPARAM found)
{
    wchar_t name[kNameLength] = {};
    wchar_t title[kNameLength] = {};
    GetClassNameW(window, name, kNameLength);
    GetWindowTextW(window, title, kNameLength);
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

} // namespace

void RVADM_HostFocus::ReturnFocusToHost()
{
    if (AIWindowRef window = GetHostWindow())
        SetFocus(static_cast<HWND>(window));
}

// Floating panels live in the host's palette layer: the panel goes directly behind that layer's
// window, so that it is in front of the documents without covering the other panels.
void RVADM_HostFocus::ActivateWidgetWindow(QWidget* widget, bool force)
{
    if (widget == nullptr)
        return;
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

} // namespace qRVADM
