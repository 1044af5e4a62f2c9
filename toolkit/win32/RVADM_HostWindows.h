#pragma once

// Win32 helpers for the host's native windows around the toolkit's widgets. Windows only; host UI
// thread only.

#include <windows.h>

#include <vector>

class QWidget;

namespace qRVADM {

// Puts the native window of `widget` at the bottom of the z-order without moving, sizing,
// redrawing, activating it or changing the owner order; frames and groups that host native
// children call it. Nothing for null.
void SendWindowToBottom(QWidget* widget);

// Windows of the current thread that were disabled together; releasing re-enables exactly those.
// Move-only; released at the latest by the destructor.
class DisabledThreadWindows
{
public:
    DisabledThreadWindows() = default;
    explicit DisabledThreadWindows(std::vector<HWND> windows);
    DisabledThreadWindows(DisabledThreadWindows&& other) noexcept;
    DisabledThreadWindows& operator=(DisabledThreadWindows&& other) noexcept;
    DisabledThreadWindows(const DisabledThreadWindows&) = delete;
    DisabledThreadWindows& operator=(const DisabledThreadWindows&) = delete;
    ~DisabledThreadWindows();

    void Release();

private:
    std::vector<HWND> m_windows;
};

// Disables every enabled window of the current thread that is not in `exceptions`.
DisabledThreadWindows DisableThreadWindows(const std::vector<HWND>& exceptions);

} // namespace qRVADM
