#pragma once

#include "plugin/suites/AIPanelSuite.h"

#include <QDockWidget>
#include <QPointer>

#include <memory>

class QLabel;
class QMenu;

namespace hostsim {
class PanelCenter;
}  // namespace hostsim

namespace hostapp {

// A dock widget holding one host panel's container widget. The dock follows the panel: it shows
// and hides as the plug-in shows and hides its panel, and the dock's close button is the panel's
// close box (the plug-in's closed callback runs). Its title bar holds the panel's title, the
// flyout button that opens the panel's flyout menu, and the close box. The container stays the
// host's: when this dock goes first it hands the container back unparented.
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
    void BuildTitleBar();
    void OpenFlyoutMenu();

    hostsim::PanelCenter& m_panels;
    AIPanelRef m_panel;
    QPointer<QWidget> m_container;
    QLabel* m_title = nullptr;
    std::unique_ptr<QMenu> m_flyoutMenu;
};

}  // namespace hostapp
