// Viewer.aip started in a simulated host with one of the host's failures switched on: what the
// start-up leaves (result, menus, messages, panel) and, with the panel, what Generate does.

#include "EngineRendering.h"
#include "ViewerHost.h"

#include "plugin/suites/FourCC.h"
#include "sim/host/PanelCenter.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <utility>

namespace {

using hostsim::EngineAttendance;

constexpr SPErr kAnyError = 0x7FFFFFFF;
constexpr const char* kViewerMenus =
    "Tool Palettes\n"
    "  Hueline [Hueline_HL]\n"
    "    Viewer [Viewer_HL]\n"
    "      Viewer [Viewer_HL]\n"
    "      Generate [Generate_HL, disabled]\n";
constexpr const char* kGroupOnly = "Tool Palettes\n  Hueline [Hueline_HL]\n";
constexpr const char* kNoMenus = "Tool Palettes\n";
const std::vector<std::string> kEngineMissing = {
    "Viewer", "Viewer is unable to find the KilnKernel plug-in, it may be missing or corrupt."};

// Closes every modal dialog as soon as its loop runs, keeping its texts, so that a dialog the
// product should not show fails the test instead of waiting for a person.
class DialogRecorder : public QObject
{
public:
    DialogRecorder()
    {
        connect(&m_timer, &QTimer::timeout, this, &DialogRecorder::CloseActive);
        m_timer.start(0);
    }

    std::vector<std::string> Take() { return std::exchange(m_texts, {}); }

private:
    void CloseActive()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            if (!label->text().isEmpty())
                m_texts.push_back(label->text().toStdString());
        dialog->reject();
    }

    QTimer m_timer;
    std::vector<std::string> m_texts;
};

struct HostFailure
{
    const char* name;
    std::function<void(hostsim::Host&)> arrange;
    EngineAttendance engine;
    SPErr startup;  // the viewer's start-up result; kAnyError: some error
    const char* menus;
    std::vector<std::string> message;  // shown once the host has initialised
    const char* document;              // with the panel: the sample Generate is chosen for; else null
    bool generated;                    // the engine generated a job
    const char* notCalled;             // an engine entry Generate must not reach; else null
};

void PrintTo(const HostFailure& failure, std::ostream* out) { *out << failure.name; }

void Missing(hostsim::Host& host, const char* suite) { host.Suites().SetMissing(suite, true); }

const HostFailure kFailures[] = {
    {"HostVersion21", [](hostsim::Host& host) { host.SetMajorVersion(21); }, EngineAttendance::Ready,
     FourCC("S!Fd"), kNoMenus, {}, nullptr, false, nullptr},
    {"HostVersion23", [](hostsim::Host& host) { host.SetMajorVersion(23); }, EngineAttendance::Ready,
     FourCC("S!Fd"), kNoMenus, {}, nullptr, false, nullptr},
    {"ControlHeld", [](hostsim::Host& host) { host.SetControlKeyHeld(true); }, EngineAttendance::Ready, -1, kNoMenus,
     {}, nullptr, false, nullptr},
    {"NoAccessReference", [](hostsim::Host& host) { host.SetNoAccessReference(true); }, EngineAttendance::Ready,
     kAnyError, kNoMenus, {}, nullptr, false, nullptr},
    {"RuntimeSuiteFailing", [](hostsim::Host& host) { host.Suites().SetAcquireError("AI Runtime Suite", FourCC("RtX!")); },
     EngineAttendance::Ready, FourCC("RtX!"), kNoMenus, {}, nullptr, false, nullptr},
    {"PanelSuiteFailing", [](hostsim::Host& host) { host.Suites().SetAcquireError("AI Panel Suite", FourCC("Pnl!")); },
     EngineAttendance::Ready, FourCC("Pnl!"), kNoMenus, {}, nullptr, false, nullptr},
    {"DocumentViewSuiteMissing", [](hostsim::Host& host) { Missing(host, "AI Document View Suite"); },
     EngineAttendance::Ready, hostsim::SuiteNotFoundError(), kNoMenus, {}, nullptr, false, nullptr},
    {"EngineCorruptWithoutInteraction", [](hostsim::Host& host) { host.SetUserInteractionAllowed(false); },
     EngineAttendance::Corrupt, kNoErr, kGroupOnly, {}, nullptr, false, nullptr},
    {"EngineCorrupt", [](hostsim::Host&) {}, EngineAttendance::Corrupt, kNoErr, kGroupOnly, kEngineMissing, nullptr,
     false, nullptr},
    // Without the suite that forbids them, dialogs are shown.
    {"InteractionSuiteMissing",
     [](hostsim::Host& host) {
         Missing(host, "AS User Interaction Suite");
         host.SetUserInteractionAllowed(false);
     },
     EngineAttendance::Corrupt, kNoErr, kGroupOnly, kEngineMissing, nullptr, false, nullptr},
    {"EngineNotReady", [](hostsim::Host&) {}, EngineAttendance::NotReady, kNoErr, kViewerMenus, {}, "label.json", false,
     "ResetSession"},
    {"UserInteractionForbidden", [](hostsim::Host& host) { host.SetUserInteractionAllowed(false); },
     EngineAttendance::Ready, kNoErr, kViewerMenus, {}, "rgb-poster.json", false, "ResetSession"},
    {"MessageCentreMissing", [](hostsim::Host& host) { Missing(host, "Corvane Message Center Suite"); },
     EngineAttendance::Ready, kNoErr, kViewerMenus, {}, "label.json", true, "BeginActivity"},
    // Acquired at application start for the key handler only: its failure costs nothing visible.
    {"ToolSuiteFailing", [](hostsim::Host& host) { host.Suites().SetAcquireError("AI Tool Suite", FourCC("Tol!")); },
     EngineAttendance::Ready, kNoErr, kViewerMenus, {}, "label.json", true, nullptr},
    {"NoDocumentView", [](hostsim::Host& host) { host.Documents().SetNoDocumentViewYet(true); },
     EngineAttendance::Ready, kNoErr, kViewerMenus, {}, "label.json", true, nullptr},
};

class HostFailureTest : public ViewerHostTest, public testing::WithParamInterface<HostFailure>
{
protected:
    void Open(const char* sample)
    {
        std::string error;
        ASSERT_NE(m_host.Documents().Open((std::filesystem::path(HUELINE_SAMPLES_DIR) / sample).string(), error), nullptr)
            << error;
    }

    QPushButton& Button(hostsim::Panel& panel)
    {
        QPushButton* button = hostsim::PanelCenter::WindowOf(panel).findChild<QPushButton*>();
        if (button == nullptr)
            throw std::runtime_error("the panel has no Generate/Update button");
        return *button;
    }

    DialogRecorder m_dialogs;
};

// The host runs on after every failure: documents, engine broadcasts and time reach what the
// viewer left behind, and the host shuts it down cleanly at the end.
TEST_P(HostFailureTest, TheViewerReactsAsTheHostFailureRequires)
{
    const HostFailure& failure = GetParam();
    m_host.SetUserInteractionAllowed(true);
    failure.arrange(m_host);
    Start(failure.engine);
    const SPErr startup = Viewer().startupResult;
    EXPECT_TRUE(failure.startup == kAnyError ? startup != kNoErr : startup == failure.startup) << startup;
    EXPECT_EQ(Viewer().started, startup == kNoErr);
    EXPECT_EQ(m_host.Menus().Tree(kToolPalettesMenuGroup), failure.menus);
    EXPECT_EQ(m_dialogs.Take(), failure.message);
    hostsim::Panel* panel = m_host.Panels().FindByName("Hueline Viewer");
    ASSERT_EQ(panel != nullptr, failure.document != nullptr);

    Open(failure.document != nullptr ? failure.document : "label.json");
    if (panel != nullptr) {
        EXPECT_EQ(m_host.ChooseMenuItem(MenuItem({"Hueline", "Viewer", "Viewer"})), kNoErr);
        TakeEngineCalls();
        EXPECT_EQ(m_host.ChooseMenuItem(MenuItem({"Hueline", "Viewer", "Generate"})), kNoErr);
        const std::vector<std::string> calls = TakeEngineCalls();
        EXPECT_EQ(Called(calls, "RunGeneration"), failure.generated);
        EXPECT_FALSE(failure.notCalled != nullptr && Called(calls, failure.notCalled)) << failure.notCalled;
        EXPECT_EQ(m_dialogs.Take(), std::vector<std::string>{});
        EXPECT_EQ(Button(*panel).text().toStdString(), "Generate");
        EXPECT_EQ(Button(*panel).isEnabled(), !failure.generated) << "Generate is offered again";
    }
    m_host.Broadcast("HL Conn Stat");
    m_host.AdvanceTicks(240);
    EXPECT_EQ(m_dialogs.Take(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Switches, HostFailureTest, testing::ValuesIn(kFailures),
                         [](const testing::TestParamInfo<HostFailure>& info) { return std::string(info.param.name); });

}  // namespace
