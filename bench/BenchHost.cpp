#include "bench/BenchHost.h"

#include "bench/BenchApplication.h"
#include "bench/BenchRun.h"
#include "plugin/suites/AIFoldersSuite.h"
#include "sim/app/CanvasInput.h"
#include "sim/app/DialogAnswerer.h"
#include "sim/app/DocumentWidget.h"
#include "sim/app/EngineControl.h"
#include "sim/app/HostTheme.h"
#include "sim/app/MainWindow.h"
#include "sim/app/PanelDock.h"
#include "sim/app/ScriptRunner.h"
#include "sim/host/StandardStartup.h"
#include "sim/kiln/KilnControlSuite.h"

#include <QEvent>

#include <filesystem>
#include <iostream>
#include <stdexcept>

int BenchHost::RunBenchmarks(int argc, char** argv, const Files& files, const std::function<void(BenchHost&)>& ready)
{
    BenchApplication application(argc, argv);
    try {
        BenchHost host(application, files);
        host.Run("window 1280 820");
        host.Run("menu Window/Hueline/Viewer/Viewer");
        ready(host);
        ::RunBenchmarks(argc, argv);
    } catch (const std::exception& failure) {
        std::cerr << failure.what() << "\n";
        return 1;
    }
    return 0;
}

BenchHost::BenchHost(BenchApplication& application, const Files& files)
    : m_application(application)
{
    for (const auto& [name, text] : files)
        m_folder.Write(name, text);
    // The folders and the scale factor hueline-host gives the plug-ins.
    m_host.SetFolder(kAIApplicationFolderType, std::filesystem::path(PLUGIN_DIR).parent_path().string() + "/");
    m_host.SetFolder(kKilnPreferencesFolderType, m_folder.Path().string());
    m_host.SetUIScaleFactor(application.devicePixelRatio());
    m_window = std::make_unique<hostapp::MainWindow>(m_host);
    hostapp::ApplyHostTheme(false);
    m_dialogs = std::make_unique<hostapp::DialogAnswerer>();
    m_window->show();
    for (const std::string& problem : hostsim::StartStandardPlugins(m_host, PLUGIN_DIR, hostsim::EngineAttendance::Ready))
        throw std::runtime_error(problem);
    m_control = std::make_unique<hostapp::EngineControl>(m_host);
    m_control->SetReady(true);
    m_window->SetEngine(m_control.get());
    m_window->Sync();
    m_script = std::make_unique<hostapp::ScriptRunner>(m_host, *m_window, *m_control, *m_dialogs,
                                                       m_folder.Utf8(), m_discarded);
}

BenchHost::~BenchHost()
{
    // The plug-ins shut down while the window that holds their panels still exists.
    m_host.Shutdown();
    // What the plug-ins queued while shutting down reaches their code before the host unloads it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void BenchHost::Run(const std::string& line)
{
    std::string problem;
    if (!m_script->RunLine(line, problem))
        throw std::runtime_error(line + ": " + problem);
}

void BenchHost::Open(const std::string& path)
{
    if (!m_open.empty())
        Run("close");
    m_open.clear();
    m_shown = false;
    Run("open \"" + path + "\"");
    m_application.TimePaintsOf(&DocumentView());
    m_open = path;
}

void BenchHost::Show(const std::string& path)
{
    if (m_shown && path == m_open)
        return;
    Open(path);
    Run("menu Window/Hueline/Viewer/Generate_HL");
    m_shown = true;
}

QWidget& BenchHost::Canvas() const
{
    std::vector<QWidget*> panels;
    for (hostapp::PanelDock* dock : m_window->Docks())
        if (dock->isVisible() && dock->Container())
            panels.push_back(dock->Container());
    QWidget* canvas = hostapp::CanvasInput::FindCanvas(panels);
    if (canvas == nullptr)
        throw std::runtime_error("no panel shows the viewer's canvas");
    return *canvas;
}

QWidget& BenchHost::DocumentView() const
{
    hostapp::DocumentWidget* view = m_window->CurrentView();
    if (view == nullptr)
        throw std::runtime_error("no document is open");
    return *view->viewport();
}
