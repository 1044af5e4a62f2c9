#pragma once

#include <QWidget>

struct AIPanelOpaque;

namespace hostsim {

// The container widget of a host panel. Reports its resizes, visibility changes and closing to
// the panel's callbacks.
class PanelWindow final : public QWidget
{
public:
    explicit PanelWindow(AIPanelOpaque& panel);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    AIPanelOpaque& m_panel;
};

}  // namespace hostsim
