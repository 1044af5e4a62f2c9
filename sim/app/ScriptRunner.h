#pragma once

#include "sim/app/CanvasInput.h"

#include <iosfwd>
#include <string>
#include <vector>

class QWidget;

namespace hostsim {
class Host;
}  // namespace hostsim

namespace hostapp {

class DialogAnswerer;
class EngineControl;
class MainWindow;
class PanelDock;

// Runs host scripts (docs/host-scripts.md): one command a line, acting on the host application
// as a user would, and checking what it shows. Host UI thread; the window must exist.
class ScriptRunner
{
public:
    using Words = std::vector<std::string>;

    // Screenshots are written below `screenshotFolder`; `out` takes what scripts print. `dialogs`
    // answers the modal dialogs the script's commands open.
    ScriptRunner(hostsim::Host& host, MainWindow& window, EngineControl& engine, DialogAnswerer& dialogs,
                 std::string screenshotFolder, std::ostream& out);

    // Runs the script file. Stops at the first failing line and writes "file:line: problem" to
    // `errors`; returns whether every line succeeded.
    bool Run(const std::string& path, std::ostream& errors);
    // Runs one line as Run does, relative paths taken from the last script's folder (else the
    // current one); false with `problem` when the line fails.
    bool RunLine(const std::string& line, std::string& problem);

private:
    struct Command;
    static const Command kCommands[];

    void Execute(const Words& words);
    void Open(const Words& words);
    void Close(const Words& words);
    void SwitchTo(const Words& words);
    void Edit(const Words& words);
    void Menu(const Words& words);
    void Click(const Words& words);
    void Flyout(const Words& words);
    void Choose(const Words& words);
    void Tip(const Words& words);
    void Type(const Words& words);
    void Zoom(const Words& words);
    void Scroll(const Words& words);
    void Ticks(const Words& words);
    void Idle(const Words& words);
    void Window(const Words& words);
    void Theme(const Words& words);
    void Engine(const Words& words);
    void Answer(const Words& words);
    void Screenshot(const Words& words);
    void Expect(const Words& words);
    void ExpectPress(const Words& words);
    void Calls(const Words& words);
    void Describe(const Words& words);
    void Accessible(const Words& words);
    void Echo(const Words& words);
    void Canvas(const Words& words);
    void Key(const Words& words);

    // The first visible panel canvas; a script error when there is none.
    QWidget& FoundCanvas() const;

    // Panel containers to search: the one named by a trailing `in PANEL`, else every visible one.
    std::vector<QWidget*> Roots(const Words& words, std::size_t first) const;
    PanelDock* PanelDockNamed(const std::string& name) const;
    // The visible control showing `words[text]`, searched as `Roots` (words, first) says; a
    // script error when there is none.
    QWidget& FoundControl(const Words& words, std::size_t first, std::size_t text = 1) const;

    hostsim::Host& m_host;
    MainWindow& m_window;
    EngineControl& m_engine;
    DialogAnswerer& m_dialogs;
    std::string m_screenshotFolder;
    std::string m_scriptFolder;
    std::ostream& m_out;
    CanvasInput m_input;
};

}  // namespace hostapp
