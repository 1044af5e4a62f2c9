// hueline-host: the simulated host application. Loads the plug-ins of a folder with the real
// host's start-up sequence, opens documents, and either shows its window, runs a host script,
// or prints what the plug-ins registered (--describe).

#include "plugin/suites/AIFoldersSuite.h"
#include "sim/app/CommandLine.h"
#include "sim/app/DialogAnswerer.h"
#include "sim/app/EngineControl.h"
#include "sim/app/HostSummary.h"
#include "sim/app/HostTheme.h"
#include "sim/app/MainWindow.h"
#include "sim/app/ScriptRunner.h"
#include "sim/host/Host.h"
#include "sim/kiln/KilnControlSuite.h"

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

namespace {

// Without a display the window is drawn offscreen, so that scripts and screenshots still work.
void ChoosePlatform()
{
    const bool display = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
    if (!display && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

int Run(hostsim::Host& host, const hostapp::CommandLine& line)
{
    const std::filesystem::path plugins = std::filesystem::absolute(line.plugins);
    host.SetFolder(kAIApplicationFolderType, plugins.parent_path().string() + "/");
    host.SetFolder(kAIPluginResourcesFolderType, (plugins.parent_path() / "plugin-resources").string() + "/");

    // The host measures its panels in device pixels, as the real host does on a high-density
    // screen.
    host.SetUIScaleFactor(qApp->devicePixelRatio());
    if (!line.preferences.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(line.preferences, ignored);
        host.SetFolder(kKilnPreferencesFolderType, line.preferences);
        host.Preferences().SetFolder(line.preferences);
    }
    hostapp::MainWindow window(host);
    hostapp::ApplyHostTheme(false);
    // Without a person at the window, modal dialogs are answered by the host itself; with --stay
    // the person takes over once the script has run.
    const bool attended = (line.script.empty() || line.stay) && !line.describe;
    std::unique_ptr<hostapp::DialogAnswerer> answerer =
        line.script.empty() && attended ? nullptr : std::make_unique<hostapp::DialogAnswerer>();
    // The window is up before the plug-ins start, so that their start-up messages show above it.
    if (!line.script.empty() || !line.describe)
        window.show();
    for (const std::string& problem : hostsim::StartStandardPlugins(host, plugins.string(), line.engine))
        std::cerr << "hueline-host: " << problem << "\n";
    hostapp::EngineControl engine(host);
    if (engine.Available())
        engine.SetReady(line.engine != hostsim::EngineAttendance::NotReady);
    window.SetEngine(&engine);
    window.Sync();

    int status = 0;
    for (const std::string& document : line.documents) {
        std::string error;
        if (!window.Open(document, error)) {
            std::cerr << "hueline-host: " << error << "\n";
            status = 1;
        }
    }

    if (!line.script.empty()) {
        hostapp::ScriptRunner runner(host, window, engine, *answerer, line.screenshotFolder, std::cout);
        if (!runner.Run(line.script, std::cerr))
            status = 1;
    }
    if (attended && status == 0) {
        if (line.stay)
            answerer.reset();
        window.StartClock();
        status = QApplication::exec();
    }
    if (line.describe)
        std::cout << hostapp::DescribeHost(host, engine, answerer->Answered());
    // The plug-ins shut down while the window that holds their panels still exists.
    host.Shutdown();
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string error;
    const std::optional<hostapp::CommandLine> line =
        hostapp::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!line) {
        std::cerr << "hueline-host: " << error << "\n" << hostapp::CommandLineUsage();
        return 2;
    }
    ChoosePlatform();
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationName(QStringLiteral("Hueline Host"));
    hostsim::Host host;
    return Run(host, *line);
}
