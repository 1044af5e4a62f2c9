#pragma once

#include "sim/app/HostMenus.h"
#include "sim/host/Document.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QTabWidget;
class QTimer;

namespace hostsim {
class Host;
}  // namespace hostsim

namespace hostapp {

class DocumentWidget;
class EngineControl;
class PanelDock;

// The host application's window: menus (the host's own and the plug-ins' from the menu model),
// one tab per open document, the plug-ins' panels in dock widgets and a status bar with the
// document, the zoom and the engine state. The host is the model; Sync() brings the window up to
// it after anything may have changed it (a script command, a clock tick, a user action).
class MainWindow final : public QMainWindow
{
public:
    explicit MainWindow(hostsim::Host& host);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The engine the Engine menu controls; null (or an unavailable one) disables the menu.
    void SetEngine(EngineControl* engine);

    // Document operations through the host; each returns false with `error` when refused.
    bool Open(const std::string& path, std::string& error);
    bool Close(AIDocumentHandle document);
    bool Switch(AIDocumentHandle document);
    bool Edit(const hostsim::DocumentEdit& edit, std::string& error);
    // The open document shown with this tab text (its file name), or null.
    AIDocumentHandle FindDocument(const std::string& name) const;

    // The current document's window, or null.
    DocumentWidget* CurrentView() const;
    std::vector<PanelDock*> Docks() const;
    void SetDarkTheme(bool dark);

    // The menu item at `path` ("Window/Hueline/Viewer/Generate": a menu bar title, then item
    // texts or host item keys), after each menu on the way received its about-to-open
    // treatment; null with `error` when there is none.
    QAction* FindMenuAction(const std::string& path, std::string& error);

    void Sync();
    // Drives the host's timers from the 60 Hz clock of the event loop.
    void StartClock();

protected:
    // Feeds the manager library's keyboard input handlers: the modifiers wherever the keyboard
    // is, keys typed while a document window has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildFileMenu();
    void BuildEditMenu();
    void BuildViewMenu();
    void BuildEngineMenu();
    void SyncTabs();
    void SyncDocks();
    void SyncStatus();
    void UpdateEngineMenu();
    void OpenFromDialog();
    void EditFromMenu(const std::function<hostsim::DocumentEdit(const hostsim::DocumentContent&)>& make);
    void Zoom(double factor);
    void AdvanceClock();

    hostsim::Host& m_host;
    HostMenus m_hostMenus;
    EngineControl* m_engine = nullptr;
    QTabWidget* m_tabs;
    QLabel* m_documentLabel;
    QLabel* m_zoomLabel;
    QLabel* m_engineLabel;
    QMenu* m_engineMenu = nullptr;
    QAction* m_readyAction = nullptr;
    QActionGroup* m_connectionGroup = nullptr;
    QAction* m_darkAction = nullptr;
    QTimer* m_clock = nullptr;
    QElapsedTimer m_clockTime;  // since the host clock started
    long long m_clockTicks = 0; // ticks the clock gave the host
    bool m_syncing = false;      // tabs are being matched to the host, not changed by the user
    std::uint32_t m_modifiers = 0;  // the manager library's modifier bits last dispatched
};

}  // namespace hostapp
