#include "toolkit/win32/RVADM_HostWindows.h"

#include <QWidget>

#include <algorithm>
#include <utility>

namespace qRVADM {
namespace {

struct Collection
{
    const std::vector<HWND>* exceptions;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectEnabled(HWND window, LPARAM data)
{
    auto* collection = reinterpret_cast<Collection*>(data);
    const std::vector<HWND>& exceptions = *collection->exceptions;
    if (IsWindowEnabled(window) && std::find(exceptions.begin(), exceptions.end(), window) == exceptions.end())
        collection->found.push_back(window);
    return TRUE;
}

} // namespace

void SendWindowToBottom(QWidget* widget)
{
    if (widget == nullptr)
        return;
    SetWindowPos(reinterpret_cast<HWND>(widget->winId()), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

DisabledThreadWindows::DisabledThreadWindows(std::vector<HWND> windows)
    : m_windows(std::move(windows))
{
}

DisabledThreadWindows::DisabledThreadWindows(DisabledThreadWindows&& other) noexcept
    : m_windows(std::exchange(other.m_windows, {}))
{
}

DisabledThreadWindows& DisabledThreadWindows::operator=(DisabledThreadWindows&& other) noexcept
{
    if (this != &other) {
        Release();
        m_windows = std::exchange(other.m_windows, {});
    }
    return *this;
}

DisabledThreadWindows::~DisabledThreadWindows()
{
    Release();
}

void DisabledThreadWindows::Release()
{
    for (HWND window : m_windows)
        EnableWindow(window, TRUE);
    m_windows.clear();
}

DisabledThreadWindows DisableThreadWindows(const std::vector<HWND>& exceptions)
{
    Collection collection{&exceptions, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&collection));
    for (HWND window : collection.found)
        EnableWindow(window, FALSE);
    return DisabledThreadWindows(std::move(collection.found));
}

} // namespace qRVADM
