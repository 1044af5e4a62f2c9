#pragma once

#include <QWidget>

namespace hostsim {

// The host's main window, where its documents are shown: the platform window the context suite
// hands out. Records every arrival of the keyboard focus, so that a test can tell that a plug-in
// gave the focus back to the host.
class AppWindow final : public QWidget
{
public:
    AppWindow();

    int FocusArrivals() const { return m_focusArrivals; }

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    int m_focusArrivals = 0;
};

}  // namespace hostsim
