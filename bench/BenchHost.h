#pragma once

#include "bench/EngineTimer.h"
#include "sim/host/Host.h"
#include "support/platform/SharedFolders.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestEnvironment.h"

#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>

class BenchApplication;
class QWidget;

namespace hostapp {
class DialogAnswerer;
class EngineControl;
class MainWindow;
class ScriptRunner;
}  // namespace hostapp

// The host application with the build's plug-ins, Viewer.aip and KilnKernel.aip, as hueline-host
// starts them, driven by host script lines: the viewer sets the engine up itself, and every
// line ends with the window caught up (repaints done), as in a script. The engine's working
// calls are timed, and so are the application's repaints of the current document's view. The
// settings folder and the preferences are a temporary folder of its own. One at a time.
class BenchHost
{
public:
    // Files by name, written into the shared documents folder before the plug-ins start (dot gain
    // settings: "Hueline/dot_gain_curves/NAME.press").
    using Files = std::map<std::string, std::string>;

    // A benchmark program's main: the application, a host with `files` and the viewer's panel
    // shown at the window size of samples/start.hls, `ready` with the host, then the program's
    // benchmarks. 1 when the host cannot be set up.
    static int RunBenchmarks(int argc, char** argv, const Files& files, const std::function<void(BenchHost&)>& ready);

    // Throws std::runtime_error when a plug-in does not start.
    BenchHost(BenchApplication& application, const Files& files);
    ~BenchHost();
    BenchHost(const BenchHost&) = delete;
    BenchHost& operator=(const BenchHost&) = delete;

    // Runs one host script line, what it prints discarded; throws std::runtime_error with the
    // problem when it fails.
    void Run(const std::string& line);

    // Opens the document afresh, the one this host opened before closed; its view's repaints are
    // timed from now on.
    void Open(const std::string& path);
    // The document open and its proof generated in the panel: nothing happens when Show showed
    // it last, else Open and Generate.
    void Show(const std::string& path);

    BenchApplication& Application() { return m_application; }
    hostsim::Host& Host() { return m_host; }
    EngineTimer& Engine() { return m_engine; }
    // The viewer's canvas and the current document window's viewport; throw when there is none.
    QWidget& Canvas() const;
    QWidget& DocumentView() const;

private:
    BenchApplication& m_application;
    TemporaryFolder m_folder;
    EnvironmentGuard m_sharedDocuments{platform::kSharedDocumentsVariable, m_folder.Utf8()};
    hostsim::Host m_host;
    EngineTimer m_engine{m_host.Suites()};
    std::ostream m_discarded{nullptr};
    std::unique_ptr<hostapp::MainWindow> m_window;
    std::unique_ptr<hostapp::DialogAnswerer> m_dialogs;
    std::unique_ptr<hostapp::EngineControl> m_control;
    std::unique_ptr<hostapp::ScriptRunner> m_script;
    std::string m_open;   // the path of the document this host opened, if any
    bool m_shown = false; // and whether Show generated its proof
};
