#include "sim/app/ScriptRunner.h"

#include "sim/app/AccessibleTree.h"
#include "sim/app/ControlFinder.h"
#include "sim/app/DialogAnswerer.h"
#include "sim/app/DialogShot.h"
#include "sim/app/DialogStep.h"
#include "sim/app/DocumentWidget.h"
#include "sim/app/DropDownChoice.h"
#include "sim/app/EngineControl.h"
#include "sim/app/HostSummary.h"
#include "sim/app/MainWindow.h"
#include "sim/app/PanelDock.h"
#include "sim/app/PressFileCheck.h"
#include "sim/app/ScriptLine.h"
#include "sim/app/TextEntry.h"
#include "sim/app/ToolTipShot.h"
#include "sim/host/Host.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLocale>
#include <QPixmap>
#include <QtTest/QTest>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <stdexcept>

namespace hostapp {

struct ScriptRunner::Command
{
    const char* name;
    std::size_t minimumWords;  // the command word included
    std::size_t maximumWords;
    void (ScriptRunner::*run)(const Words&);
    const char* usage;
};

const ScriptRunner::Command ScriptRunner::kCommands[] = {
    {"open", 2, 2, &ScriptRunner::Open, "open FILE"},
    {"close", 1, 2, &ScriptRunner::Close, "close [DOCUMENT]"},
    {"switch", 2, 2, &ScriptRunner::SwitchTo, "switch DOCUMENT"},
    {"edit", 3, 64, &ScriptRunner::Edit, "edit move|recolour|add ..."},
    {"menu", 2, 2, &ScriptRunner::Menu, "menu PATH"},
    {"click", 2, 4, &ScriptRunner::Click, "click TEXT [in PANEL]"},
    {"flyout", 3, 3, &ScriptRunner::Flyout, "flyout PANEL ENTRY"},
    {"choose", 3, 5, &ScriptRunner::Choose, "choose LIST ENTRY [in PANEL]"},
    {"tip", 2, 4, &ScriptRunner::Tip, "tip TEXT [in PANEL]"},
    {"type", 3, 5, &ScriptRunner::Type, "type TEXT VALUE [in PANEL]"},
    {"zoom", 2, 2, &ScriptRunner::Zoom, "zoom PERCENT|in|out|fit"},
    {"scroll", 3, 3, &ScriptRunner::Scroll, "scroll DX DY"},
    {"ticks", 2, 2, &ScriptRunner::Ticks, "ticks COUNT"},
    {"idle", 1, 1, &ScriptRunner::Idle, "idle"},
    {"window", 3, 3, &ScriptRunner::Window, "window WIDTH HEIGHT"},
    {"theme", 2, 2, &ScriptRunner::Theme, "theme dark|light"},
    {"engine", 2, 4, &ScriptRunner::Engine, "engine ready|not-ready|connection STATE [MESSAGE]"},
    {"answer", 2, 4, &ScriptRunner::Answer, "answer BUTTON | type FIELD VALUE | select ROW | choose LIST ENTRY"},
    {"screenshot", 2, 6, &ScriptRunner::Screenshot, "screenshot FILE [panel PANEL [tip TEXT] | dialog]"},
    {"expect", 3, 8, &ScriptRunner::Expect,
     "expect control|field|state|tip|menu|document|zoom|revision|cursor|dialog|press ..."},
    {"calls", 1, 2, &ScriptRunner::Calls, "calls [clear]"},
    {"describe", 1, 1, &ScriptRunner::Describe, "describe"},
    {"accessible", 2, 2, &ScriptRunner::Accessible, "accessible PANEL"},
    {"echo", 1, 64, &ScriptRunner::Echo, "echo TEXT..."},
    {"canvas", 4, 6, &ScriptRunner::Canvas, "canvas press|release|click X Y [left|right] | move X Y | drag X0 Y0 X1 Y1"},
    {"key", 3, 4, &ScriptRunner::Key, "key press|release space|control|alt|shift [canvas]"},
};

namespace {

// A line that cannot be carried out; its text goes after "file:line: ".
class ScriptError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

constexpr int kIdlePasses = 8;
constexpr long long kMaximumTicks = 10'000'000;
constexpr int kMaximumWindowSide = 8192;
constexpr double kZoomStep = 2.0;
constexpr int kDragSteps = 4;  // mouse moves between the press and the release of a drag

// Numbers are read the same whatever the user's locale: "1.5", never "1,5".
QLocale ScriptLocale()
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    return locale;
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

double Number(const std::string& word, const char* what)
{
    bool ok = false;
    const double value = ScriptLocale().toDouble(QString::fromStdString(word), &ok);
    if (!ok || !std::isfinite(value))
        throw ScriptError(std::string(what) + " must be a number, not " + Quoted(word));
    return value;
}

long long Whole(const std::string& word, const char* what, long long minimum, long long maximum)
{
    bool ok = false;
    const long long value = ScriptLocale().toLongLong(QString::fromStdString(word), &ok);
    if (!ok || value < minimum || value > maximum)
        throw ScriptError(std::string(what) + " must be a whole number from " + std::to_string(minimum) + " to " +
                          std::to_string(maximum) + ", not " + Quoted(word));
    return value;
}

void Require(bool condition, const std::string& problem)
{
    if (!condition)
        throw ScriptError(problem);
}

// Fails with `problem` unless it is empty.
void Require(const std::string& problem)
{
    Require(problem.empty(), problem);
}

// Paint words: INK TINT pairs from `first` on, tints in percent.
std::vector<HostSimInkTint> Paint(const hostsim::DocumentContent& content, const ScriptRunner::Words& words, std::size_t first)
{
    Require(first < words.size() && (words.size() - first) % 2 == 0, "a paint is one or more INK TINT pairs");
    std::vector<HostSimInkTint> paint;
    for (std::size_t i = first; i < words.size(); i += 2) {
        const int ink = content.FindInk(words[i]);
        Require(ink >= 0, "unknown ink " + Quoted(words[i]));
        paint.push_back(HostSimInkTint{ink, Number(words[i + 1], "a tint") / 100.0});
    }
    return paint;
}

// The entry showing `text`, or with "nth:N" the Nth entry; null when there is none.
const hostsim::FlyoutMenu::Item* FindFlyoutItem(const hostsim::FlyoutMenu& menu, const QString& text)
{
    if (const std::optional<int> position = ControlFinder::Position(text))
        return *position < static_cast<int>(menu.items.size()) ? &menu.items[static_cast<std::size_t>(*position)]
                                                               : nullptr;
    const std::u16string wanted = text.toStdU16String();
    const auto found = std::find_if(menu.items.begin(), menu.items.end(),
                                    [&wanted](const hostsim::FlyoutMenu::Item& item) { return item.text == wanted; });
    return found != menu.items.end() ? &*found : nullptr;
}

// The row of `list` showing `text`, or with "nth:N" its Nth row; -1 when there is none.
void Settle()
{
    for (int pass = 0; pass < kIdlePasses; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

}  // namespace

ScriptRunner::ScriptRunner(hostsim::Host& host, MainWindow& window, EngineControl& engine, DialogAnswerer& dialogs,
                           std::string screenshotFolder, std::ostream& out)
    : m_host(host)
    , m_window(window)
    , m_engine(engine)
    , m_dialogs(dialogs)
    , m_screenshotFolder(std::move(screenshotFolder))
    , m_out(out)
{
}

bool ScriptRunner::Run(const std::string& path, std::ostream& errors)
{
    const std::string name = std::filesystem::path(path).filename().string();
    std::ifstream file(path);
    if (!file) {
        errors << name << ": cannot be opened (" << std::strerror(errno) << ")\n";
        return false;
    }
    m_scriptFolder = std::filesystem::absolute(path).parent_path().string();
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        std::string problem;
        if (!RunLine(line, problem)) {
            errors << name << ":" << number << ": " << problem << "\n";
            return false;
        }
    }
    return true;
}

bool ScriptRunner::RunLine(const std::string& line, std::string& problem)
{
    try {
        const std::optional<Words> words = SplitScriptLine(line, problem);
        Require(words.has_value(), problem);
        if (!words->empty())
            Execute(*words);
        return true;
    } catch (const std::exception& failure) {
        problem = failure.what();
        return false;
    }
}

void ScriptRunner::Execute(const Words& words)
{
    for (const Command& command : kCommands) {
        if (words[0] != command.name)
            continue;
        Require(words.size() >= command.minimumWords && words.size() <= command.maximumWords,
                std::string("usage: ") + command.usage);
        (this->*command.run)(words);
        m_window.Sync();
        QCoreApplication::processEvents();
        const std::string problem = m_dialogs.TakeProblem();
        Require(problem);
        return;
    }
    throw ScriptError("unknown command " + Quoted(words[0]));
}

void ScriptRunner::Open(const Words& words)
{
    const std::filesystem::path file(words[1]);
    const std::string path = file.is_absolute() ? file.string() : (m_scriptFolder / file).string();
    std::string error;
    Require(m_window.Open(path, error), error);
}

void ScriptRunner::Close(const Words& words)
{
    const AIDocumentHandle document = words.size() > 1 ? m_window.FindDocument(words[1]) : m_host.Documents().Current();
    Require(document != nullptr, words.size() > 1 ? "no open document " + Quoted(words[1]) : "no document is open");
    m_window.Close(document);
}

void ScriptRunner::SwitchTo(const Words& words)
{
    const AIDocumentHandle document = m_window.FindDocument(words[1]);
    Require(document != nullptr, "no open document " + Quoted(words[1]));
    m_window.Switch(document);
}

void ScriptRunner::Edit(const Words& words)
{
    const hostsim::Document* document = m_host.Documents().Find(m_host.Documents().Current());
    Require(document != nullptr, "no document is open");
    const hostsim::DocumentContent& content = document->Content();
    hostsim::DocumentEdit edit;
    const std::string& kind = words[1];
    if (kind == "move") {
        Require(words.size() == 5, "usage: edit move ITEM DX DY");
        edit = hostsim::MoveArtwork{static_cast<int>(Whole(words[2], "an item", 1, 1'000'000)) - 1,
                                    Number(words[3], "dx"), Number(words[4], "dy")};
    } else if (kind == "recolour") {
        Require(words.size() >= 5, "usage: edit recolour ITEM INK TINT [INK TINT ...]");
        edit = hostsim::RecolourArtwork{static_cast<int>(Whole(words[2], "an item", 1, 1'000'000)) - 1,
                                        Paint(content, words, 3)};
    } else if (kind == "add") {
        Require(words.size() >= 9 && (words[2] == "rectangle" || words[2] == "ellipse"),
                "usage: edit add rectangle|ellipse LEFT TOP RIGHT BOTTOM INK TINT [INK TINT ...]");
        hostsim::ArtworkItem item;
        item.kind = words[2] == "rectangle" ? hostsim::ArtworkKind::Rectangle : hostsim::ArtworkKind::Ellipse;
        item.bounds = AIRealRect{Number(words[3], "left"), Number(words[4], "top"), Number(words[5], "right"),
                                 Number(words[6], "bottom")};
        item.fill = Paint(content, words, 7);
        edit = hostsim::AddArtwork{item};
    } else {
        throw ScriptError("unknown edit " + Quoted(kind) + " (move, recolour or add)");
    }
    std::string error;
    Require(m_window.Edit(edit, error), error);
}

void ScriptRunner::Menu(const Words& words)
{
    std::string error;
    QAction* action = m_window.FindMenuAction(words[1], error);
    Require(action != nullptr, error);
    Require(!action->menu(), "menu item " + Quoted(words[1]) + " opens a menu");
    Require(action->isEnabled(), "menu item " + Quoted(words[1]) + " is disabled");
    action->trigger();
}

void ScriptRunner::Click(const Words& words)
{
    QWidget* control = &FoundControl(words, 2);
    Require(control->isEnabled(), "control " + Quoted(words[1]) + " is disabled");
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->click();
    else
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

void ScriptRunner::Flyout(const Words& words)
{
    const PanelDock* dock = PanelDockNamed(words[1]);
    hostsim::Panel* panel = dock ? m_host.Panels().Find(dock->Panel()) : nullptr;
    Require(panel != nullptr, "no panel " + Quoted(words[1]));
    hostsim::FlyoutMenu* menu = m_host.Panels().FlyoutMenus().Find(panel->flyoutMenu);
    const hostsim::FlyoutMenu::Item* item = menu ? FindFlyoutItem(*menu, QString::fromStdString(words[2])) : nullptr;
    Require(item != nullptr, "panel " + Quoted(words[1]) + " has no flyout entry " + Quoted(words[2]));
    Require(m_host.Panels().ChooseFlyoutItem(*panel, item->id), "flyout entry " + Quoted(words[2]) + " is disabled");
}

// As a person's choice: the entry becomes current and the list reports it activated.
void ScriptRunner::Choose(const Words& words)
{
    QComboBox* list = ControlFinder(Roots(words, 3)).FindDropDown(QString::fromStdString(words[1]));
    Require(list != nullptr, "no drop-down list for " + Quoted(words[1]));
    const std::string problem = ChooseDropDownEntry(*list, words[1], words[2]);
    Require(problem.empty(), problem);
}

void ScriptRunner::Tip(const Words& words)
{
    m_out << FoundControl(words, 2).toolTip().toStdString() << "\n";
}

void ScriptRunner::Type(const Words& words)
{
    QWidget* input = ControlFinder(Roots(words, 3)).FindInput(QString::fromStdString(words[1]));
    Require(input != nullptr, "no edit for " + Quoted(words[1]));
    Require(input->isEnabled(), "edit " + Quoted(words[1]) + " is disabled");
    TextEntry::Replace(*input, QString::fromStdString(words[2]), Qt::Key_Return);
}

void ScriptRunner::Zoom(const Words& words)
{
    DocumentWidget* view = m_window.CurrentView();
    Require(view != nullptr, "no document is open");
    const double zoom = m_host.Documents().Find(view->Document())->View().Zoom();
    const std::string& how = words[1];
    bool changed = false;
    if (how == "in")
        changed = view->ZoomTo(zoom * kZoomStep);
    else if (how == "out")
        changed = view->ZoomTo(zoom / kZoomStep);
    else if (how == "fit")
        changed = view->FitPage();
    else
        changed = view->ZoomTo(Number(how, "a zoom") / 100.0);
    Require(changed, "the view refused zoom " + Quoted(how));
}

void ScriptRunner::Scroll(const Words& words)
{
    DocumentWidget* view = m_window.CurrentView();
    Require(view != nullptr, "no document is open");
    view->ScrollBy(Number(words[1], "dx"), Number(words[2], "dy"));
}

void ScriptRunner::Ticks(const Words& words)
{
    m_host.AdvanceTicks(Whole(words[1], "a tick count", 1, kMaximumTicks));
}

void ScriptRunner::Idle(const Words&)
{
    Settle();
}

void ScriptRunner::Window(const Words& words)
{
    m_window.resize(static_cast<int>(Whole(words[1], "a width", 320, kMaximumWindowSide)),
                    static_cast<int>(Whole(words[2], "a height", 240, kMaximumWindowSide)));
    Settle();
}

void ScriptRunner::Theme(const Words& words)
{
    Require(words[1] == "dark" || words[1] == "light", "usage: theme dark|light");
    m_window.SetDarkTheme(words[1] == "dark");
}

void ScriptRunner::Engine(const Words& words)
{
    Require(m_engine.Available(), "the engine is absent");
    const std::string& what = words[1];
    if (what == "ready" || what == "not-ready") {
        Require(words.size() == 2, "usage: engine ready|not-ready");
        Require(m_engine.SetReady(what == "ready"), "the engine refused its readiness");
        return;
    }
    Require(what == "connection" && words.size() >= 3, "usage: engine ready|not-ready|connection STATE [MESSAGE]");
    for (std::size_t state = 0; state < std::size(kConnectionStates); ++state)
        if (words[2] == kConnectionStates[state].name) {
            Require(m_engine.SetConnection(state, words.size() > 3 ? words[3] : std::string()),
                    "the engine refused the connection state");
            return;
        }
    throw ScriptError("unknown connection state " + Quoted(words[2]) + " (connected, warning or disconnected)");
}

void ScriptRunner::Answer(const Words& words)
{
    if (words[1] == "type" && words.size() == 4)
        m_dialogs.ArrangeStep(DialogStep{DialogStep::Action::Type, words[2], words[3]});
    else if (words[1] == "select" && words.size() == 3)
        m_dialogs.ArrangeStep(DialogStep{DialogStep::Action::Select, std::string(), words[2]});
    else if (words[1] == "choose" && words.size() == 4)
        m_dialogs.ArrangeStep(DialogStep{DialogStep::Action::Choose, words[2], words[3]});
    else if (words.size() == 2)
        m_dialogs.Arrange(words[1]);
    else
        throw ScriptError("usage: answer BUTTON | type FIELD VALUE | select ROW | choose LIST ENTRY");
}

void ScriptRunner::Screenshot(const Words& words)
{
    const bool panel = words.size() >= 4 && words[2] == "panel";
    const bool dialog = words.size() == 3 && words[2] == "dialog";
    Require(words.size() == 2 || dialog || (panel && words.size() == 4) || (panel && words.size() == 6 && words[4] == "tip"),
            "usage: screenshot FILE [panel PANEL [tip TEXT] | dialog]");
    QWidget* subject = &m_window;
    if (panel) {
        subject = PanelDockNamed(words[3]);
        Require(subject != nullptr, "no panel " + Quoted(words[3]));
        Require(subject->isVisible(), "panel " + Quoted(words[3]) + " is hidden");
    }
    Settle();
    QPixmap picture = subject->grab();
    if (dialog) {
        const std::vector<AnsweredDialog>& answered = m_dialogs.Answered();
        Require(!answered.empty(), "no dialog has been shown");
        picture = GrabWithDialog(m_window, answered.back().picture, QString::fromStdString(answered.back().title));
    }
    if (words.size() == 6) {
        QWidget* control = ControlFinder({subject}).Find(QString::fromStdString(words[5]));
        Require(control != nullptr, "no control shows " + Quoted(words[5]));
        picture = GrabWithToolTip(*subject, *control);
        Require(!picture.isNull(), "control " + Quoted(words[5]) + " has no tool tip");
    }
    const std::filesystem::path file = std::filesystem::path(m_screenshotFolder) / words[1];
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    Require(picture.save(QString::fromStdString(file.string())), "cannot write " + Quoted(file.string()));
    m_out << "Screenshot " << file.string() << "\n";
}

void ScriptRunner::Expect(const Words& words)
{
    const std::string& what = words[1];
    if (what == "control") {
        Require(ControlFinder(Roots(words, 3)).Find(QString::fromStdString(words[2])) != nullptr,
                "no control shows " + Quoted(words[2]));
    } else if (what == "field") {
        Require(words.size() >= 4, "usage: expect field LABEL VALUE [in PANEL]");
        const QWidget* input = ControlFinder(Roots(words, 4)).FindInput(QString::fromStdString(words[2]));
        Require(input != nullptr, "no edit for " + Quoted(words[2]));
        const std::string shown = ControlFinder::TextOf(*input).toStdString();
        Require(shown == words[3], "edit " + Quoted(words[2]) + " shows " + Quoted(shown) + ", expected " + Quoted(words[3]));
    } else if (what == "state") {
        Require(words.size() >= 4, "usage: expect state TEXT enabled|disabled|checked|unchecked [in PANEL]");
        const QWidget& control = FoundControl(words, 4, 2);
        const auto* button = qobject_cast<const QAbstractButton*>(&control);
        const std::string& state = words[3];
        const bool holds = state == "enabled" ? control.isEnabled()
                           : state == "disabled" ? !control.isEnabled()
                           : state == "checked" ? button && button->isChecked()
                           : state == "unchecked" ? button && button->isCheckable() && !button->isChecked()
                           : throw ScriptError("unknown control state " + Quoted(state));
        Require(holds, "control " + Quoted(words[2]) + " is not " + state);
    } else if (what == "tip") {
        Require(words.size() >= 4, "usage: expect tip TEXT TIP [in PANEL]");
        const std::string tip = FoundControl(words, 4, 2).toolTip().toStdString();
        const bool holds = words[3].empty() ? tip.empty() : tip.compare(0, words[3].size(), words[3]) == 0;
        Require(holds, "control " + Quoted(words[2]) + " has the tool tip " + Quoted(tip) + ", expected " +
                           (words[3].empty() ? "none" : Quoted(words[3]) + "..."));
    } else if (what == "menu") {
        Require(words.size() == 4, "usage: expect menu PATH enabled|disabled|checked|unchecked");
        std::string error;
        const QAction* action = m_window.FindMenuAction(words[2], error);
        Require(action != nullptr, error);
        const std::string& state = words[3];
        const bool holds = state == "enabled" ? action->isEnabled()
                           : state == "disabled" ? !action->isEnabled()
                           : state == "checked" ? action->isChecked()
                           : state == "unchecked" ? !action->isChecked()
                           : throw ScriptError("unknown menu state " + Quoted(state));
        Require(holds, "menu item " + Quoted(words[2]) + " is not " + state);
    } else if (what == "document") {
        const hostsim::Document* current = m_host.Documents().Find(m_host.Documents().Current());
        const std::string shown = current ? current->Name() : "none";
        Require(shown == words[2], "the current document is " + Quoted(shown) + ", expected " + Quoted(words[2]));
    } else if (what == "zoom") {
        const hostsim::Document* current = m_host.Documents().Find(m_host.Documents().Current());
        Require(current != nullptr, "no document is open");
        const double percent = current->View().Zoom() * 100.0;
        Require(std::fabs(percent - Number(words[2], "a zoom")) < 1e-6,
                "the zoom is " + QLocale::c().toString(percent, 'g', 10).toStdString() + " %, expected " + words[2]);
    } else if (what == "revision") {
        const hostsim::Document* current = m_host.Documents().Find(m_host.Documents().Current());
        Require(current != nullptr, "no document is open");
        Require(current->Revision() == Whole(words[2], "a revision", 0, UINT32_MAX),
                "the revision is " + std::to_string(current->Revision()) + ", expected " + words[2]);
    } else if (what == "cursor") {
        const std::string shown = CanvasInput::CursorName(FoundCanvas()).toStdString();
        Require(shown == words[2], "the canvas shows the " + Quoted(shown) + " cursor, expected " + Quoted(words[2]));
    } else if (what == "dialog") {
        const std::vector<AnsweredDialog>& dialogs = m_dialogs.Answered();
        const bool shown = std::any_of(dialogs.begin(), dialogs.end(), [&words](const AnsweredDialog& dialog) {
            return dialog.title == words[2] || std::find(dialog.texts.begin(), dialog.texts.end(), words[2]) != dialog.texts.end();
        });
        Require(shown, "no dialog showed " + Quoted(words[2]));
    } else if (what == "press") {
        ExpectPress(words);
    } else {
        throw ScriptError("unknown expectation " + Quoted(what) +
                          " (control, field, state, tip, menu, document, zoom, revision, cursor, dialog or press)");
    }
}

void ScriptRunner::ExpectPress(const Words& words)
{
    PressFileCheck::Curve curve{};
    const bool absent = words.size() == 4 && words[3] == "absent";
    Require(absent || words.size() == 3 + curve.size(),
            "usage: expect press NAME absent | expect press NAME MINIMUM AT25 AT50 AT75 MAXIMUM");
    if (absent) {
        Require(PressFileCheck::Absent(words[2]));
        return;
    }
    for (std::size_t point = 0; point < curve.size(); ++point)
        curve[point] = Number(words[3 + point], "a dot gain value");
    Require(PressFileCheck::Stores(words[2], curve));
}

void ScriptRunner::Calls(const Words& words)
{
    Require(m_engine.Available(), "the engine is absent");
    if (words.size() == 2) {
        Require(words[1] == "clear", "usage: calls [clear]");
        m_engine.ClearCalls();
        return;
    }
    for (const std::string& call : m_engine.Calls())
        m_out << call << "\n";
}

void ScriptRunner::Describe(const Words&)
{
    m_out << DescribeHost(m_host, m_engine, m_dialogs.Answered());
}

void ScriptRunner::Accessible(const Words& words)
{
    const PanelDock* dock = PanelDockNamed(words[1]);
    Require(dock != nullptr && dock->Container(), "no panel " + Quoted(words[1]));
    Require(dock->isVisible(), "panel " + Quoted(words[1]) + " is hidden");
    Settle();
    m_out << DescribeAccessibleTree(*dock->Container());
}

void ScriptRunner::Echo(const Words& words)
{
    for (std::size_t i = 1; i < words.size(); ++i)
        m_out << (i > 1 ? " " : "") << words[i];
    // At once, so that a program reading the output can time the lines between two echoes.
    m_out << "\n" << std::flush;
}

void ScriptRunner::Canvas(const Words& words)
{
    QWidget& canvas = FoundCanvas();
    Require(canvas.isEnabled(), "the canvas is disabled");
    const std::string& what = words[1];
    const auto point = [&words](std::size_t first) {
        return QPoint(static_cast<int>(Whole(words[first], "x", -kMaximumWindowSide, kMaximumWindowSide)),
                      static_cast<int>(Whole(words[first + 1], "y", -kMaximumWindowSide, kMaximumWindowSide)));
    };
    if (what == "drag") {
        Require(words.size() == 6, "usage: canvas drag X0 Y0 X1 Y1");
        const QPoint from = point(2);
        const QPoint to = point(4);
        m_input.Press(canvas, from, Qt::LeftButton);
        for (int step = 1; step <= kDragSteps; ++step)
            m_input.Move(canvas, from + (to - from) * step / kDragSteps);
        m_input.Release(canvas, to, Qt::LeftButton);
        return;
    }
    if (what == "move") {
        Require(words.size() == 4, "usage: canvas move X Y");
        m_input.Move(canvas, point(2));
        return;
    }
    Require((what == "press" || what == "release" || what == "click") && words.size() <= 5 &&
                (words.size() == 4 || words[4] == "left" || words[4] == "right"),
            "usage: canvas press|release|click X Y [left|right]");
    const Qt::MouseButton button = words.size() == 5 && words[4] == "right" ? Qt::RightButton : Qt::LeftButton;
    if (what != "release")
        m_input.Press(canvas, point(2), button);
    if (what != "press")
        m_input.Release(canvas, point(2), button);
}

void ScriptRunner::Key(const Words& words)
{
    Require((words[1] == "press" || words[1] == "release") && (words.size() == 3 || words[3] == "canvas"),
            "usage: key press|release space|control|alt|shift [canvas]");
    const std::optional<Qt::Key> key = CanvasInput::KeyNamed(QString::fromStdString(words[2]));
    Require(key.has_value(), "unknown key " + Quoted(words[2]) + " (space, control, alt or shift)");
    QWidget* target = words.size() == 4 ? &FoundCanvas() : static_cast<QWidget*>(m_window.CurrentView());
    Require(target != nullptr, "no document is open");
    m_input.Key(*target, *key, words[1] == "press");
}

QWidget& ScriptRunner::FoundCanvas() const
{
    QWidget* canvas = CanvasInput::FindCanvas(Roots({}, 0));
    Require(canvas != nullptr, "no panel shows a canvas");
    return *canvas;
}

std::vector<QWidget*> ScriptRunner::Roots(const Words& words, std::size_t first) const
{
    if (words.size() == first)
        return [this] {
            std::vector<QWidget*> roots;
            for (PanelDock* dock : m_window.Docks())
                if (dock->isVisible() && dock->Container())
                    roots.push_back(dock->Container());
            return roots;
        }();
    Require(words.size() == first + 2 && words[first] == "in", "expected \"in PANEL\" after " + Quoted(words[first - 1]));
    const PanelDock* dock = PanelDockNamed(words[first + 1]);
    Require(dock != nullptr && dock->Container(), "no panel " + Quoted(words[first + 1]));
    return {dock->Container()};
}

QWidget& ScriptRunner::FoundControl(const Words& words, std::size_t first, std::size_t text) const
{
    QWidget* control = ControlFinder(Roots(words, first)).Find(QString::fromStdString(words[text]));
    Require(control != nullptr, "no control shows " + Quoted(words[text]));
    return *control;
}

PanelDock* ScriptRunner::PanelDockNamed(const std::string& name) const
{
    const QString wanted = QString::fromStdString(name);
    for (PanelDock* dock : m_window.Docks())
        if (dock->windowTitle() == wanted || dock->objectName() == wanted)
            return dock;
    return nullptr;
}

}  // namespace hostapp
