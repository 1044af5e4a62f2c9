#pragma once

#include <QWidget>

namespace hostsim {

struct Panel;

// The container widget of a host panel. Reports its resizes, visibility changes and closing to
// the panel's callbacks, and records each time it is brought to the front, so that a test can tell
// that a plug-in raised its panel.
class PanelWindow final : public QWidget
{
public:
    explicit PanelWindow(Panel& panel);

    int TimesBroughtToFront() const { return m_broughtToFront; }
    // The size the plug-in last asked for is the size the window prefers, so that a dock holding
    // it opens that wide.
    void Request(QSize size);
    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Panel& m_panel;
    int m_broughtToFront = 0;
    QSize m_requested;
};

}  // namespace hostsim
