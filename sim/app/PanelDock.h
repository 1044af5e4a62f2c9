#pragma once

#include "plugin/suites/AIPanelSuite.h"

#include <QDockWidget>
#include <QPointer>

namespace hostsim {
class PanelCenter;
}  // namespace hostsim

namespace hostapp {

// A dock widget holding one host panel's container widget. The dock follows the panel: it shows
// and hides as the plug-in shows and hides its panel, and the dock's close button is the panel's
// close box (the plug-in's closed callback runs). The container stays the host's: when this dock
// goes first it hands the container back unparented.
class PanelDock final : public QDockWidget
{
    Q_OBJECT

public:
    PanelDock(hostsim::PanelCenter& panels, AIPanelRef panel, QWidget& container, QWidget* parent);
    ~PanelDock() override;
    PanelDock(const PanelDock&) = delete;
    PanelDock& operator=(const PanelDock&) = delete;

    AIPanelRef Panel() const { return m_panel; }
    // False once the host destroyed the panel's container.
    bool Holds(AIPanelRef panel) const { return m_container && panel == m_panel; }
    bool Empty() const { return !m_container; }
    QWidget* Container() const { return m_container; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    hostsim::PanelCenter& m_panels;
    AIPanelRef m_panel;
    QPointer<QWidget> m_container;
};

}  // namespace hostapp
