// Viewer.aip with the simulated engine under a long run of random but valid user actions, and
// the plug-ins reloaded many times in one host: nothing crashes or leaks, the Generate/Update
// button and menu command always show one of the job life cycle's states, each start registers
// the same things once, and memory does not grow. HUELINE_SOAK_SEED, HUELINE_SOAK_ACTIONS and
// HUELINE_SOAK_CYCLES set the run.

#include "ViewerHost.h"

#include "sim/host/DocumentView.h"
#include "sim/host/PanelCenter.h"
#include "tests/settings/PressTestText.h"
#include "tests/support/EngineJob.h"
#include "tests/support/HeapInUse.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <random>
#include <regex>

namespace {

constexpr const char* kPanelName = "Hueline Viewer";
constexpr const char* kSamples[] = {"label.json", "fine-detail.json", "unknown-spot.json", "rgb-poster.json"};
constexpr std::size_t kMostDocuments = 4;
// Memory is sampled every kMemoryMark actions; the last sample may exceed the first by the
// percentage.
constexpr int kMemoryMark = 1000;
constexpr int kZoomIn = 16028, kZoomOut = 16029, kLinked = 16051, kUnlinked = 16052;
// Expanded and Compact panel heights.
constexpr int kExpandedHeight = 494, kCompactHeight = 374;

long Setting(const char* name, long fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::strtol(value, nullptr, 10) : fallback;
}

long Seed()
{
    return Setting("HUELINE_SOAK_SEED", 20201);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kMemoryGrowthPercent = 10;
#else
constexpr std::size_t kMemoryGrowthPercent = 2;
#endif

// The host's listing without what the user changes: the panel's visibility (the host reopens a
// panel that was open) and the menu items' states.
std::string Registrations(const hostsim::Host& host)
{
    static const std::regex kStates(", disabled|, checked| \\(hidden\\)");
    return std::regex_replace(host.Describe(), kStates, "");
}

std::string Sample(const char* name)
{
    return (std::filesystem::path(HUELINE_SAMPLES_DIR) / name).string();
}

// Deferred deletions and posted events reach the plug-in's code.
void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QWidget& PanelWindow(hostsim::Host& host)
{
    return hostsim::PanelCenter::WindowOf(*host.Panels().FindByName(kPanelName));
}

template <typename Widget>
Widget* Find(hostsim::Host& host, const std::function<bool(Widget&)>& wanted)
{
    for (Widget* widget : PanelWindow(host).findChildren<Widget*>())
        if (wanted(*widget))
            return widget;
    return nullptr;
}

// Found by its key: its text changes.
AIMenuItemHandle GenerateItem(hostsim::Host& host)
{
    for (const AIMenuItemHandle item : host.Menus().ItemsOf("HLViewerMenuGroup"))
        if (host.Menus().FindItem(item)->key == "Generate_HL")
            return item;
    throw std::runtime_error("no Generate menu command");
}

QPushButton& GenerateButton(hostsim::Host& host)
{
    QPushButton* button = Find<QPushButton>(host, [](QPushButton& b) { return b.text() == "Generate" || b.text() == "Update"; });
    if (button == nullptr)
        throw std::runtime_error("the panel has no Generate/Update button");
    return *button;
}

class SoakTest : public ViewerHostTest
{
protected:
    using Action = void (SoakTest::*)();
    struct Entry
    {
        const char* name;
        Action act;
    };

    void SetUp() override
    {
        m_folder.Write("Hueline/dot_gain_curves/Offset.press", kDefaultRecordText);
        m_folder.Write("Hueline/dot_gain_curves/web.press", kChangedRecordText);
        OpenSample();
        Start(hostsim::EngineAttendance::Ready);
        ASSERT_NE(m_host.Panels().FindByName(kPanelName), nullptr) << "the viewer made no panel";
        hostsim::PanelCenter::Show(*m_host.Panels().FindByName(kPanelName), true);
        ASSERT_EQ(ListStarting("Automatic")->count(), 3) << "both settings are offered";
    }

    int Random(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    template <typename T, std::size_t N>
    const T& Pick(const T (&items)[N]) { return items[Random(static_cast<int>(N))]; }

    QWidget& Canvas() { return *PanelWindow(m_host).childAt(240, 100); }
    QPoint CanvasPoint() { return {Random(Canvas().width()), Random(Canvas().height())}; }
    QComboBox* ListStarting(const char* entry)
    {
        return Find<QComboBox>(m_host, [entry](QComboBox& list) { return list.findText(entry) >= 0; });
    }
    AIMenuItemHandle GenerateItem() { return ::GenerateItem(m_host); }
    const KilnControlSuite& Control() { return *AcquireHostSuite<KilnControlSuite>(m_host); }

    // A row of `list` chosen as a person would, when the list can be used.
    void ChooseIn(QComboBox* list)
    {
        if (list == nullptr || !list->isEnabled() || list->count() == 0)
            return;
        list->setCurrentIndex(Random(list->count()));
        emit list->activated(list->currentIndex());
    }
    void ClickPicture(std::initializer_list<int> pictures)
    {
        QToolButton* button = Find<QToolButton>(m_host, [pictures](QToolButton& b) {
            const int shown = b.property("_rvadm_pictureid").toInt();
            return std::find(pictures.begin(), pictures.end(), shown) != pictures.end();
        });
        if (button != nullptr && button->isEnabled())
            button->click();
    }
    void ChangeHostView(const std::function<bool(hostsim::DocumentView&)>& change)
    {
        if (const AIDocumentViewHandle view = m_host.Documents().FrontView())
            m_host.Documents().ChangeView(view, change);
    }
    AIDocumentHandle AnyDocument()
    {
        const std::vector<AIDocumentHandle> open = m_host.Documents().All();
        return open.empty() ? nullptr : open[Random(static_cast<int>(open.size()))];
    }
    Qt::KeyboardModifiers ToolModifiers()
    {
        static constexpr Qt::KeyboardModifiers kModifiers[] = {Qt::NoModifier, Qt::AltModifier, Qt::ControlModifier};
        return Pick(kModifiers);
    }

    // The actions.
    void ToolClick() { QTest::mouseClick(&Canvas(), Qt::LeftButton, ToolModifiers(), CanvasPoint()); }
    void ToolDrag()
    {
        const Qt::KeyboardModifiers modifiers = ToolModifiers();
        QTest::mousePress(&Canvas(), Qt::LeftButton, modifiers, CanvasPoint());
        QTest::mouseMove(&Canvas(), CanvasPoint());
        QTest::mouseRelease(&Canvas(), Qt::LeftButton, modifiers, CanvasPoint());
    }
    void PanWithSpace()
    {
        QTest::keyPress(&Canvas(), Qt::Key_Space);
        ToolDrag();
        QTest::keyRelease(&Canvas(), Qt::Key_Space);
    }
    void ZoomMenu() { ChooseIn(ListStarting("Fit ArtBoard")); }
    void Fit()
    {
        static constexpr const char* kFits[] = {"Fit ArtBoard", "Fit Graphics"};
        QComboBox* menu = ListStarting("Fit ArtBoard");
        if (menu == nullptr || !menu->isEnabled())
            return;
        menu->setCurrentIndex(menu->findText(Pick(kFits)));
        emit menu->activated(menu->currentIndex());
    }
    void ZoomButton() { ClickPicture({Random(2) == 0 ? kZoomIn : kZoomOut}); }
    void LinkToggle() { ClickPicture({kLinked, kUnlinked}); }
    void HostScroll()
    {
        const double dx = Between(-300, 300), dy = Between(-300, 300);
        ChangeHostView([dx, dy](hostsim::DocumentView& view) { return view.ScrollBy(dx, dy); });
    }
    void HostZoom()
    {
        const double zoom = std::pow(2.0, Between(-40, 60) / 10.0);
        ChangeHostView([zoom](hostsim::DocumentView& view) { return view.SetZoom(zoom); });
    }
    void Edit()
    {
        std::string error;
        if (const AIDocumentHandle document = m_host.Documents().Current())
            m_host.Documents().Edit(document, hostsim::MoveArtwork{0, double(Between(-20, 20)), double(Between(-20, 20))},
                                    error);
    }
    void GenerateOrUpdate()
    {
        if (Random(2) == 0) {
            QPushButton& button = GenerateButton(m_host);
            if (button.isEnabled() && button.isVisible())
                button.click();
        } else if (m_host.Menus().FindItem(GenerateItem())->enabled) {
            m_host.ChooseMenuItem(GenerateItem());
        }
    }
    void OpenSample()
    {
        std::string error;
        if (m_host.Documents().All().size() < kMostDocuments) {
            ASSERT_NE(m_host.Documents().Open(Sample(Pick(kSamples)), error), nullptr) << error;
        }
    }
    void SwitchDocument()
    {
        if (const AIDocumentHandle document = AnyDocument())
            m_host.Documents().Switch(document);
    }
    // With nothing left to close, a person opens a document again.
    void CloseDocument()
    {
        if (const AIDocumentHandle document = AnyDocument())
            m_host.Documents().Close(document);
        else
            OpenSample();
    }
    void DotGain() { ChooseIn(ListStarting("Automatic")); }
    void Ticks() { m_host.AdvanceTicks(Between(1, 240)); }
    void EngineReady() { Control().SetEngineReady(Random(2)); }
    void Connection() { Control().SetConnectionStatus(Random(3), "Hueline", "The engine's connection changed."); }
    void EnginePush() { Control().PushJob(Random(2)); }
    void PanelToggle() { m_host.ChooseMenuItem(MenuItem({"Hueline", "Viewer", "Viewer"})); }

    static constexpr Entry kActions[] = {
        {"tool click", &SoakTest::ToolClick},
        {"tool drag", &SoakTest::ToolDrag},
        {"pan with the space bar", &SoakTest::PanWithSpace},
        {"zoom menu", &SoakTest::ZoomMenu},
        {"fit", &SoakTest::Fit},
        {"zoom button", &SoakTest::ZoomButton},
        {"link toggle", &SoakTest::LinkToggle},
        {"host scroll", &SoakTest::HostScroll},
        {"host zoom", &SoakTest::HostZoom},
        {"edit", &SoakTest::Edit},
        {"Generate/Update", &SoakTest::GenerateOrUpdate},
        {"open", &SoakTest::OpenSample},
        {"switch document", &SoakTest::SwitchDocument},
        {"close document", &SoakTest::CloseDocument},
        {"dot gain choice", &SoakTest::DotGain},
        {"host ticks", &SoakTest::Ticks},
        {"engine ready", &SoakTest::EngineReady},
        {"connection state", &SoakTest::Connection},
        {"engine pushes a job", &SoakTest::EnginePush},
        {"panel hide/show", &SoakTest::PanelToggle},
    };

    void CloseAll()
    {
        for (const AIDocumentHandle document : m_host.Documents().All())
            m_host.Documents().Close(document);
    }
    // What documents, jobs and pictures hold depends on the moment: memory is compared with every
    // document closed and the engine's last job made from the label.
    std::size_t MemoryAtRest()
    {
        CloseAll();
        std::string error;
        EXPECT_NE(m_host.Documents().Open(Sample("label.json"), error), nullptr) << error;
        Control().PushJob(0);
        CloseAll();
        m_host.AdvanceTicks(240);
        Settle();
        // The heap in use, not the resident memory: the allocator keeps free pages of its own,
        // more of them since the engine renders and generates on two threads, each with an arena
        // of its own, a swing of 1 to 2 MB from one sample to the next that says nothing about
        // what the host holds. Under ASan the heap is the sanitizer's count.
        return *HeapInUse();
    }

    // How the button and the menu command were seen, so that a run shows it reached every state.
    enum Seen { kNoDocument, kDisabled, kGenerateOffered, kUpdateOffered, kSeenKinds };
    static constexpr const char* kSeenNames[] = {"no document", "disabled", "\"Generate\" offered",
                                                 "\"Update\" offered"};

    // The button and the menu command show one of the states 0, 1, 3 and 5, and agree.
    void ExpectAKnownState()
    {
        const QPushButton& button = GenerateButton(m_host);
        const hostsim::MenuItem& item = *m_host.Menus().FindItem(GenerateItem());
        ASSERT_EQ(button.isEnabled(), item.enabled) << "button and menu command disagree";
        ASSERT_TRUE(item.text == "Generate" || item.text == "Update") << item.text;
        if (m_host.Documents().Current() == nullptr) {
            ASSERT_FALSE(item.enabled) << "state 0 without a document";
            ASSERT_EQ(item.text, "Generate") << "state 0";
        }
        if (item.enabled) {  // 1 or 3
            ASSERT_EQ(button.text().toStdString(), item.text);
            if (item.text == "Update") {
                ASSERT_TRUE(Canvas().isEnabled()) << "\"Update\" offered without a preview";
            }
        }
        const bool update = item.text == "Update";
        ++m_seen[m_host.Documents().Current() == nullptr ? kNoDocument
                 : !item.enabled                        ? kDisabled
                 : update                               ? kUpdateOffered
                                                        : kGenerateOffered];
    }

    int m_seen[kSeenKinds] = {};

    std::mt19937 m_random{static_cast<std::mt19937::result_type>(Seed())};
};

// The engine's call record is left as a running host leaves it: nobody reads or clears it.
TEST_F(SoakTest, RandomActionsKeepTheStateTableAndTheMemory)
{
    const long seed = Seed();
    const long actions = std::max<long>(Setting("HUELINE_SOAK_ACTIONS", 1500), kMemoryMark + 1);
    std::vector<std::size_t> samples;
    for (long index = 0; index < actions; ++index) {
        const Entry& action = Pick(kActions);
        SCOPED_TRACE("seed " + std::to_string(seed) + ", action " + std::to_string(index) + ": " + action.name);
        (this->*action.act)();
        Settle();
        ExpectAKnownState();
        if (HasFatalFailure())
            return;
        if ((index + 1) % kMemoryMark == 0 || index + 1 == actions) {
            samples.push_back(MemoryAtRest());
            std::printf("soak: seed %ld, %ld actions, heap in use %zu bytes, call record %d lines\n", seed, index + 1,
                        samples.back(), Control().CountCalls());
        }
    }
    EXPECT_LE(samples.back(), samples.front() + samples.front() * kMemoryGrowthPercent / 100);
    EXPECT_EQ(Control().CountOpenResults(), 0);
    for (int kind = 0; kind < kSeenKinds; ++kind) {
        std::printf("soak: %s seen %d times\n", kSeenNames[kind], m_seen[kind]);
        EXPECT_GT(m_seen[kind], 0) << "the run never saw " << kSeenNames[kind];
    }
}

// One host reloads the plug-ins again and again, as the real host does: each cycle loads and
// starts them, uses the panel, shuts them down and unloads them; the modes alternate through the
// engine's preference file. Every start must register exactly what the first one did, as the
// host's listing shows (the panel reopens from the second start on, as the host remembers it). The process's caches (fonts, pictures, the allocator's own) fill over the
// first few dozen cycles, so the heap is compared from the half-way cycle on. Under ASan the heap
// still grows by about 650 bytes a cycle, and only there: ASan's __cxa_atexit interceptor
// registers an exit function of its own, never run before exit, after each registration, so the
// slots the unloaded plug-ins' statics leave in the C library's exit list stay pinned below it.
TEST(SoakStartStop, ReloadedPluginsRegisterEverythingOnceAndLeaveNothingBehind)
{
    const long cycles = std::max<long>(Setting("HUELINE_SOAK_CYCLES", 60), 2);
    const char* plugins = std::getenv("HUELINE_PLUGIN_DIR");
    ASSERT_NE(plugins, nullptr) << "HUELINE_PLUGIN_DIR is not set";
    TemporaryFolder folder;
    EnvironmentGuard sharedDocuments{platform::kSharedDocumentsVariable, folder.Utf8()};
    hostsim::Host host;
    host.SetFolder(kKilnPreferencesFolderType, folder.Path().string());
    host.SetUserInteractionAllowed(false);
    std::string error;
    ASSERT_NE(host.Documents().Open(Sample("label.json"), error), nullptr) << error;
    std::string firstListing;
    std::size_t halfWay = 0;
    for (long cycle = 0; cycle < cycles; ++cycle) {
        SCOPED_TRACE("cycle " + std::to_string(cycle));
        const bool compact = cycle % 2 == 1;
        folder.Write(kKilnPreferencesFileName, std::string("[Hueline/Viewer]\nShowSepsOnly = ") + (compact ? "1" : "0") + "\n");
        ASSERT_EQ(hostsim::StartStandardPlugins(host, plugins, hostsim::EngineAttendance::Ready),
                  std::vector<std::string>{});
        ASSERT_TRUE(host.FindPlugin(hostsim::kEnginePluginFile)->started) << "the engine refused its start-up";
        if (cycle == 0)
            firstListing = Registrations(host);
        ASSERT_EQ(Registrations(host), firstListing);
        host.ChooseMenuItem(host.Menus().ItemAtPath(kToolPalettesMenuGroup, {"Hueline", "Viewer", "Viewer"}));
        EXPECT_EQ(PanelWindow(host).height(), compact ? kCompactHeight : kExpandedHeight);
        host.ChooseMenuItem(GenerateItem(host));
        EXPECT_FALSE(host.Menus().FindItem(GenerateItem(host))->enabled) << "the preview was generated";
        host.UnloadPlugins();
        Settle();
        if (cycle == cycles / 2 - 1)
            halfWay = *HeapInUse();
    }
    EXPECT_EQ(host.Describe(), "Menus:\nTool Palettes\nNotifiers:\nTimers:\nPanels:\n") << "unloading forgets everything";
    const std::size_t atEnd = *HeapInUse();
    std::printf("start/stop: %ld cycles, heap %zu bytes half-way, %zu at the end, %+ld bytes a cycle\n", cycles, halfWay,
                atEnd, (static_cast<long>(atEnd) - static_cast<long>(halfWay)) / (cycles - cycles / 2));
    EXPECT_LE(atEnd, halfWay + halfWay / 10);
}

}  // namespace
